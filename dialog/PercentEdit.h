#pragma once
// An odds field: only digits can be typed, and when the field loses the focus
// its value is brought down to at most 100 and rewritten in plain decimal.

#include "framework/Controls.h"

class PercentEdit : public Edit {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CorrectText();
};
