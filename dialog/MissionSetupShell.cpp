// The window around the dialog: the About item of the system menu, the icon
// drawn while minimized, and the icon shown when the minimized dialog is dragged.

#include "dialog/MissionSetupDialog.h"

#include "app/resource.h"
#include "dialog/AboutDialog.h"
#include "dialog/MinimizedIcon.h"

bool MissionSetupDialog::OnSystemCommand(UINT id, LPARAM) {
    // The system keeps the low four bits of system commands for itself.
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    AboutDialog about;
    about.RunModal();
    return true;
}

bool MissionSetupDialog::OnPaintWindow() {
    if (!IsIconic(Window()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    SendMessageA(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int cx = GetSystemMetrics(SM_CXICON);
    int cy = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(Window(), &client);
    DrawIcon(dc, CenteredIconOffset(client.right - client.left, cx),
             CenteredIconOffset(client.bottom - client.top, cy), m_hIcon);
    EndPaint(Window(), &paint);
    return true;
}

HCURSOR MissionSetupDialog::OnDragIconQuery() {
    return m_hIcon;
}
