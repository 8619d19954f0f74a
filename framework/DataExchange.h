#pragma once
// The exchange rules between a dialog's members and its controls, each working
// in the direction the transfer runs. After a failed binding every later one
// is skipped, so the transfer stops there.

#include <string>

class Control;
class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool retrieve) : m_dialog(dialog), m_retrieve(retrieve) {}

    bool Retrieving() const { return m_retrieve; }
    bool Failed() const { return m_failed; }

    // Attaches the object to its control on the first visit; later visits leave it alone.
    void Attach(int id, Control& control);
    // A two-state box; a member outside 0..2 is reset to 0 before it is shown.
    void CheckBox(int id, int& member);
    // A number shown with six significant digits; a text that is not one fails.
    void FloatText(int id, float& member);
    // A drop-down list exchanged by the text of its items.
    void ComboText(int id, std::string& member);
    // A drop-down list exchanged by the index of its selection; -1 for none.
    void ComboIndex(int id, int& member);

private:
    void Fail(int id);

    Dialog& m_dialog;
    bool m_retrieve;
    bool m_failed = false;
};
