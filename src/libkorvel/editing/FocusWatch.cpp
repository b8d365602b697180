#include "editing/FocusWatch.h"

bool FocusWatch::FocusChanged(const void* focused)
{
    if (!focused)
        return false;
    if (focused == m_startFocus) {
        m_focusRedrawn = false;
        return false;
    }
    if (m_focusRedrawn)
        return false;
    m_focusRedrawn = true;
    return true;
}
