#pragma once
// A dialog built from a template resource: a modal run, or a modeless window
// for driving it in-process; the virtual steps of start-up, OK and cancel; the
// two transfers between members and controls; and the routing of messages to
// the handlers a dialog lists in its route table.

#include "framework/MessageRoute.h"

#include <windows.h>

#include <cstddef>
#include <string>

class DataExchange;

struct RouteTable {
    const MessageRoute* begin = nullptr;
    const MessageRoute* end = nullptr;
};

template <size_t N> constexpr RouteTable MakeRouteTable(const MessageRoute (&routes)[N]) {
    return {routes, routes + N};
}

class Dialog {
public:
    explicit Dialog(int templateId, HWND parent = nullptr);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog modally; its result, or -1 when it could not be created.
    INT_PTR RunModal();
    // Creates the dialog as a modeless window, to be driven in-process.
    bool Create(HWND owner = nullptr);

    HWND Window() const { return m_hwnd; }
    int TemplateId() const { return m_templateId; }
    // For a modeless dialog: whether it was ended, and with which result.
    bool HasEnded() const { return m_ended; }
    INT_PTR Result() const { return m_result; }

    // Members into controls; always completes.
    bool TransferToControls() { return Transfer(false); }
    // Controls into members; false when a control's text does not convert.
    bool TransferFromControls() { return Transfer(true); }

    void EndDialog(INT_PTR result);

    // A message box owned by the dialog; the caption is the application title
    // unless the box names its own.
    int ShowMessage(const std::string& text, const char* caption = nullptr, UINT style = MB_OK);

    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    void EnableItem(int id, bool enabled) const;
    void SetItemText(int id, const std::string& text) const;
    std::string GetItemText(int id, int maxChars) const;
    void CheckRadio(int first, int last, int checked) const;
    bool IsChecked(int id) const;

protected:
    // Start-up. The base adds the template's combo-box items and runs the
    // first transfer; it ends the dialog with -1 when either fails.
    virtual bool InitializeDialog();
    // OK. The base retrieves the controls and closes with IDOK when that works.
    virtual void ConfirmDialog();
    // Cancel: closes with IDCANCEL and touches nothing else.
    virtual void CancelDialog();
    virtual void ExchangeData(DataExchange&) {}
    virtual RouteTable Routes() const { return {}; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Route(const Message& message, INT_PTR& answer);
    bool IsDroppedDuringTransfer(const Message& message) const;
    bool Transfer(bool retrieve);
    HWND Owner() const;

    int m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = 0;
    int m_transferDepth = 0;
};
