#include "help/HelpAboutDialog.h"
#include "help/HelpText.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void textHasSevenParagraphsAndItsJoints()
    {
        const QString text = HelpAboutText();
        const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 7);
        for (const QString& paragraph : paragraphs)
            QVERIFY(!paragraph.isEmpty() && !paragraph.contains(QLatin1Char('\r'))
                && !paragraph.contains(QLatin1Char('\n')));
        QCOMPARE(paragraphs.last(), QStringLiteral("All comments and suggestions are very welcome."));
        QVERIFY(text.contains(QStringLiteral("on the image.  Give each shape")));
        QVERIFY(text.contains(QStringLiteral("will appear. You can now copy")));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("close") << "closeButton" << QRect(424, 464, 84, 23) << "Close";
        QTest::newRow("help") << "HelpLabel" << QRect(8, 80, 499, 248) << QString();
        QTest::newRow("title") << "TitleLabel" << QRect(8, 0, 145, 25) << "Korvel v1.0";
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        HelpAboutDialog dialog;
        QWidget* control = dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QTEST(control->geometry(), "geometry");
        if (!text.isEmpty())
            QCOMPARE(control->property("text").toString(), text);
    }

    void windowAndTabOrder()
    {
        HelpAboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(dialog.minimumSize(), QSize(518, 499));
        QCOMPARE(dialog.maximumSize(), QSize(518, 499));
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.pos(), QPoint(156, 129));
        QVERIFY(!dialog.parentWidget());
        QVERIFY(dialog.CloseButton()->isDefault());
        QCOMPARE(dialog.TitleLabel()->font().pointSizeF(), 13.5);
        QCOMPARE(dialog.HelpLabel()->text().count(QStringLiteral("\n\n")), 6);
        QVERIFY(!dialog.HelpLabel()->text().contains(QLatin1Char('\r')) && dialog.HelpLabel()->wordWrap());
        QCOMPARE(dialog.CloseButton()->nextInFocusChain(), dialog.HelpLabel());
        QCOMPARE(dialog.HelpLabel()->nextInFocusChain(), dialog.TitleLabel());
    }

    void keysOnlyHide_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void keysOnlyHide()
    {
        QFETCH(int, key);
        QPointer<HelpAboutDialog> dialog = new HelpAboutDialog;
        dialog->ShowAndRaise();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::keyClick(dialog, Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog);
        QVERIFY(!dialog->isVisible());
        delete dialog;
    }

    void frameCloseDiscards()
    {
        QPointer<HelpAboutDialog> dialog = new HelpAboutDialog;
        dialog->ShowAndRaise();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(dialog->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
