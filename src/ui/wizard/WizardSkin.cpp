#include "ui/wizard/WizardSkin.h"

#include "app/Language.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"

namespace lumora {

CGdipButton* MakeSkinButton(wxWindow* parent, int id, const wxRect& rect, std::u16string_view caption,
                            std::u16string_view tooltip, int first, int second, int third, ButtonKind kind) {
    auto* button = new CGdipButton(parent, id, ToWx(Tr(caption)), kind, rect.GetPosition(), rect.GetSize());
    button->LoadImages(first, second, third);
    button->SetToolTip(Tr(tooltip));
    return button;
}

CGdipButton* MakePushButton(wxWindow* parent, int id, const wxRect& rect, std::u16string_view caption,
                            std::u16string_view tooltip) {
    return MakeSkinButton(parent, id, rect, caption, tooltip, IDB_BUTTON_GREY, IDB_BUTTON_BLUE,
                          IDB_BUTTON_BLUE);
}

CTransStatic* MakeFieldLabel(wxWindow* parent, int id, const wxRect& rect, std::u16string_view text,
                             int fontHeight) {
    auto* label = new CTransStatic(parent, id, ToWx(Tr(text)), rect.GetPosition(), rect.GetSize());
    label->SetTextFormat(kTextSingleLine | kTextBottom | kTextRight);
    label->SetFontHeight(fontHeight);
    return label;
}

void ShowAndEnable(wxWindow* window, bool show) {
    if (window == nullptr) return;
    window->Enable(show);
    window->Show(show);
}

void EndSkinDialog(wxDialog& dialog, int code, int& endCode) {
    endCode = code;
    if (dialog.IsModal())
        dialog.EndModal(code);
    else
        dialog.Hide();
}

}  // namespace lumora
