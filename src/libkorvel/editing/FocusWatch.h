#pragma once

// Repaints the overlay once each time the keyboard focus passes from the reference
// widget to another widget of the program, and not again until the focus has been back.
// Widgets are compared by identity only.
class FocusWatch {
public:
    // focusRedrawn starts true: nothing needs repainting before the focus first leaves.
    explicit FocusWatch(const void* startFocus = nullptr)
        : m_startFocus(startFocus)
    {
    }

    void SetStartFocus(const void* startFocus) { m_startFocus = startFocus; }
    const void* StartFocus() const { return m_startFocus; }
    bool FocusRedrawn() const { return m_focusRedrawn; }

    // The focus is now on focused (nullptr when another program is active). Returns
    // true when the overlay should be repainted.
    bool FocusChanged(const void* focused);

private:
    const void* m_startFocus;
    bool m_focusRedrawn = true;
};
