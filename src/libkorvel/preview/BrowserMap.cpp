#include "preview/BrowserMap.h"

#include "editor/MapEditor.h"

BrowserMap::BrowserMap(MapEditor& editor)
    : m_editor(editor)
{
    m_editor.addMapObserver(this);
}

BrowserMap::~BrowserMap()
{
    m_editor.removeMapObserver(this);
}

void BrowserMap::setPicture(QSize picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    changed();
}

void BrowserMap::changed()
{
    ++m_generation;
    m_layout.reset();
    m_reachKnown = false;
    m_reach.clear();
}

std::shared_ptr<const BrowserLayout> BrowserMap::layout() const
{
    if (!m_layout)
        m_layout = std::make_shared<const BrowserLayout>(readBrowserLayout(m_editor.map(), m_picture));
    return m_layout;
}

void BrowserMap::setReach(const std::shared_ptr<const BrowserLayout>& of, std::vector<AreaReach> reach)
{
    if (of != m_layout || reach.size() != of->areas.size())
        return;
    m_reach = std::move(reach);
    m_reachKnown = true;
}
