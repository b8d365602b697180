#include "FuzzTarget.h"

#include "canvas/CanvasWidget.h"
#include "editing/Editor.h"
#include "forms/ScrollBarControl.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MapFileActions.h"
#include "output/HtmlGenerator.h"
#include "support/PictureWait.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

namespace {

const QSize kPictureSizes[] = { { 320, 240 }, { 1000, 800 }, { 40, 30 } };

QString PicturePath(const QTemporaryDir& folder, int which)
{
    return folder.filePath(QStringLiteral("picture%1.png").arg(which));
}

// The map as undo restores it: the clipboard is no part of the user's edits, and outline
// colours follow the selection.
ImagemapDocument Undoable(ImagemapDocument map)
{
    if (!map.boxes.empty())
        map.boxes.front() = BoxArea {};
    if (!map.polygons.empty())
        map.polygons.front() = PolygonArea {};
    for (int16_t i = 1; i <= map.boxCount; ++i)
        map.box(i).BorderColor = NormalColour;
    return map;
}

// Every area gets exactly one line, and every coordinate is a plain decimal number.
QString CheckHtml(ImagemapDocument map)
{
    int expected = map.polyCount;
    for (int16_t i = 1; i <= map.boxCount; ++i) {
        BoxArea& box = map.box(i);
        box.url.clear();
        box.alt.clear();
        expected += box.Shape == kRectangleShape || box.Shape == kCircleShape;
    }
    for (int16_t i = 1; i <= map.polyCount; ++i) {
        map.polygon(i).url.clear();
        map.polygon(i).alt.clear();
    }
    static const QRegularExpression area(QStringLiteral(
        "^<area href=\"\" alt=\"\" coords=\"-?\\d+(\\.\\d+)?(,-?\\d+(\\.\\d+)?)*\"( shape=\"(circle|poly)\")?>$"));
    const QStringList lines = GenerateImagemapHtml(map, QStringLiteral("m")).split(QStringLiteral("\r\n"));
    if (lines.size() != expected + 2 || lines.front() != QLatin1String("<map name=\"m\">")
        || lines.back() != QLatin1String("</map>"))
        return QStringLiteral("the HTML has %1 lines for %2 areas").arg(lines.size()).arg(expected);
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        if (!area.match(lines[i]).hasMatch())
            return QStringLiteral("malformed area line: ") + lines[i].left(200);
    return QString();
}

} // namespace

FuzzTarget::FuzzTarget(const QTemporaryDir& folder)
    : m_folder(folder)
    , m_form(std::make_unique<MainForm>(&m_dialogs))
{
    for (int i = 0; i < int(std::size(kPictureSizes)); ++i) {
        if (!QFile::exists(PicturePath(folder, i))) {
            QImage picture(kPictureSizes[i], QImage::Format_RGB32);
            picture.fill(QColor(60 * i, 120, 200));
            picture.save(PicturePath(folder, i));
        }
    }
    QObject::connect(&m_form->UndoStack(), &QUndoStack::indexChanged, [this] { m_historyMoved = true; });
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    OpenPicture(0);
}

FuzzTarget::~FuzzTarget() = default;

void FuzzTarget::OpenPicture(int which)
{
    OpenPictureAndWait(*m_form, PicturePath(m_folder, which));
    HistoryStarts();
}

void FuzzTarget::HistoryStarts()
{
    m_historyStart = Undoable(m_form->editor().map);
    m_lastChecked = m_historyStart;
}

bool FuzzTarget::HistoryMoved() const
{
    // A gesture under way is checked once it has ended.
    if (m_form->editor().state.buttonDown || m_form->IsReadingPicture())
        return false;
    return m_historyMoved || Undoable(m_form->editor().map) != m_lastChecked;
}

void FuzzTarget::Play(const FuzzEvent& event)
{
    const MainFormControls& c = m_form->Controls();
    switch (event.kind) {
    case FuzzEvent::Move:
    case FuzzEvent::Press:
    case FuzzEvent::Release:
        PlayPointer(event);
        break;
    case FuzzEvent::Tool:
        (event.a == 0 ? c.rectButton : (event.a == 1 ? c.circleButton : c.polyButton))->click();
        break;
    case FuzzEvent::Key:
        PlayKey(event);
        break;
    case FuzzEvent::Type:
        PlayType(event);
        break;
    case FuzzEvent::NewMap:
        OpenPicture(event.a);
        break;
    case FuzzEvent::Generate:
        m_form->generateButton_Click();
        break;
    case FuzzEvent::Scroll: {
        QScrollBar* bar = (event.a == 0 ? c.HBar : c.VBar)->Bar();
        bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * event.b / 1000);
        break;
    }
    case FuzzEvent::Resize:
        m_form->resize(event.a, event.b);
        break;
    case FuzzEvent::SaveAndOpen:
        m_lastFault = SaveAndOpen();
        break;
    case FuzzEvent::Zoom: {
        const int keys[] = { Qt::Key_Plus, Qt::Key_Minus, Qt::Key_0, Qt::Key_9 };
        Activate();
        c.InnerPict->setFocus();
        QTest::keyClick(c.InnerPict, Qt::Key(keys[event.a & 3]), Qt::ControlModifier);
        break;
    }
    }
    // Painting now and then, so that what was asked of the canvas is also drawn.
    if (++m_eventCount % 64 == 0)
        QApplication::processEvents();
}

void FuzzTarget::PlayPointer(const FuzzEvent& event)
{
    CanvasWidget* canvas = m_form->Controls().InnerPict;
    // Events are made in picture pixels, so that handles are reached at every zoom.
    const ZoomMapping& zoom = canvas->Zoom();
    const QPointF at(zoom.ScreenPixel(event.a), zoom.ScreenPixel(event.b));
    const QEvent::Type type = event.kind == FuzzEvent::Press
        ? QEvent::MouseButtonPress
        : (event.kind == FuzzEvent::Release ? QEvent::MouseButtonRelease : QEvent::MouseMove);
    const Qt::MouseButtons held
        = m_form->editor().state.buttonDown && type != QEvent::MouseButtonRelease ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent mouse(type, at, canvas->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &mouse);
}

// The output window takes the activation when Generate shows it; a user goes back to the
// main window before typing there.
void FuzzTarget::Activate()
{
    if (QApplication::activeWindow() != m_form.get())
        QApplication::setActiveWindow(m_form.get());
}

void FuzzTarget::PlayKey(const FuzzEvent& event)
{
    Activate();
    const MainFormControls& c = m_form->Controls();
    QWidget* targets[] = { c.InnerPict, c.MapNameText, c.HrefText, c.AltText, c.VBar->Bar() };
    QWidget* target = targets[std::clamp(event.c, 0, 4)];
    if (!target->isEnabled())
        target = c.InnerPict;
    target->setFocus();
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : m_form.get();
    QTest::keyClick(focused, Qt::Key(event.a), Qt::KeyboardModifiers(event.b));
}

void FuzzTarget::PlayType(const FuzzEvent& event)
{
    const MainFormControls& c = m_form->Controls();
    QLineEdit* box = event.c == 1 ? c.MapNameText : (event.c == 2 ? c.HrefText : c.AltText);
    if (!box->isEnabled())
        return;
    Activate();
    box->setFocus();
    box->selectAll();
    box->insert(FuzzTexts()[static_cast<size_t>(event.a) % FuzzTexts().size()]); // as a paste does
    QTest::keyClick(box, Qt::Key_Q);
}

QString FuzzTarget::SaveAndOpen()
{
    if (m_form->editor().state.buttonDown || m_form->IsReadingPicture())
        return QString();
    const QString page = m_folder.filePath(QStringLiteral("saved.html"));
    const QString before = GenerateImagemapHtml(m_form->editor().map, m_form->Controls().MapNameText->text());
    m_dialogs.ChooseFile(page);
    if (!m_form->Files().SaveAs())
        return QStringLiteral("saving %1 failed").arg(page);
    m_form->Files().OpenFile(page);
    if (!WaitForPicture(*m_form))
        return QStringLiteral("the saved page did not open");
    HistoryStarts();
    const QString after = GenerateImagemapHtml(m_form->editor().map, m_form->Controls().MapNameText->text());
    return after == before ? QString() : QStringLiteral("the map changed on its way through a saved page");
}

QString FuzzTarget::Check() const
{
    QStringList faults;
    if (!m_lastFault.isEmpty())
        faults << m_lastFault;
    const Editor& editor = m_form->editor();
    faults << EditorInvariantViolations(editor);
    if (const QString html = CheckHtml(editor.map); !html.isEmpty())
        faults << html;
    // Every change reached the screen: the canvas shows exactly the map's outlines.
    const std::vector<ShapeControl>& shown = m_form->Controls().InnerPict->Display().Boxes();
    if (shown.size() != static_cast<size_t>(editor.map.boxCount) + 1)
        faults << QStringLiteral("the canvas shows %1 boxes of %2").arg(shown.size() - 1).arg(editor.map.boxCount);
    else
        for (int16_t i = 1; i <= editor.map.boxCount; ++i)
            if (shown[static_cast<size_t>(i)] != static_cast<const ShapeControl&>(editor.map.box(i)))
                faults << QStringLiteral("box %1 is not shown as it is").arg(i);
    return faults.join(QLatin1Char('\n'));
}

QString FuzzTarget::CheckUndoAllTheWayBack()
{
    if (m_form->editor().state.buttonDown || m_form->IsReadingPicture())
        return QString();
    m_form->Session().FinishStep();
    QUndoStack& stack = m_form->UndoStack();
    const ImagemapDocument now = Undoable(m_form->editor().map);
    const int steps = stack.index();
    stack.setIndex(0);
    const bool back = Undoable(m_form->editor().map) == m_historyStart;
    stack.setIndex(steps);
    const bool forth = Undoable(m_form->editor().map) == now;
    m_historyMoved = false;
    m_lastChecked = now;
    if (back && forth)
        return QString();
    return QStringLiteral("undoing %1 steps does not give the map the history began with%2")
        .arg(steps)
        .arg(forth ? QString() : QStringLiteral(", and redoing them does not give the map back"));
}
