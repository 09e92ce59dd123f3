#include "skin/SkinLabel.h"

#include <algorithm>

namespace nuvex {

TSkinLabel::TSkinLabel(TComponent* owner)
    : TLabel(owner), visibility_(TControl::Visible()) {
  SetTransparent(true);
}

std::string TSkinLabel::ControlName() const { return Owner() ? Owner()->Name() + "." + Name() : std::string(); }

void TSkinLabel::SetLinkLabel(TLabel* value) {
  if (value == linkLabel_) return;
  if (linkLabel_) RemoveFreeNotification(linkLabel_);
  linkLabel_ = value;
  if (linkLabel_) linkLabel_->FreeNotification(this);
}

void TSkinLabel::SetLinkSkinManager(TSkinManagerLink* value) { registration_.Link(value); }

void TSkinLabel::SetBounds(int left, int top, int width, int height) {
  if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
  if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
  TLabel::SetBounds(left, top, width, height);
}

void TSkinLabel::ApplySkin(const TButtonProperty& definition) {
  SetAutoSize(definition.AutoSize);
  SetLeft(definition.XCoord);
  SetTop(definition.YCoord);
  if (!definition.AutoSize) {
    if (definition.Height > 0) SetHeight(definition.Height);
    if (definition.Width > 0) SetWidth(definition.Width);
  }
  maxWidth_ = std::max(0, definition.Width);
  maxHeight_ = std::max(0, definition.Height);

  TFont font = Font();
  font.Style = static_cast<uint8_t>((definition.FontStyleBold ? fsBold : 0) |
                                    (definition.FontStyleItalic ? fsItalic : 0) |
                                    (definition.FontStyleUnderline ? fsUnderline : 0));
  if (!definition.FontName.empty()) font.Name = definition.FontName;
  if (definition.FontSize > 0) font.Size = definition.FontSize;
  if (definition.FontColor != -1) font.Color = definition.FontColor;
  SetFont(font);

  SetAlignment(definition.Alignment == 1   ? taRightJustify
               : definition.Alignment == 2 ? taCenter
                                           : taLeftJustify);
  SetLayout(definition.Layout == 1 ? tlCenter : definition.Layout == 2 ? tlBottom : tlTop);
  SetWordWrap(definition.WordWrap);

  // Right-justified and centred text is placed by its right edge.
  if (Alignment() == taLeftJustify || definition.AutoSize) {
    SetLeft(definition.XCoord);
  } else {
    SetLeft(definition.XCoord - Width());
  }
  SetTop(definition.YCoord);

  // The skin's word and the wish both become the definition's.
  visibility_.Define(*this, definition.Visible);
  SetBounds(Left(), Top(), std::max(Width(), maxWidth_), std::max(Height(), maxHeight_));
}

void TSkinLabel::Notification(TComponent* component, TOperation operation) {
  TLabel::Notification(component, operation);
  if (operation != TOperation::opRemove || component == nullptr) return;
  registration_.Forget(component);
  if (component == linkLabel_) linkLabel_ = nullptr;
}

}  // namespace nuvex
