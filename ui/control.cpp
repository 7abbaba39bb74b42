#include "ui/control.h"

#include <algorithm>

namespace ui {

Control::Control(std::string class_name, std::string name, Control* parent)
    : Component(std::move(class_name), std::move(name)), parent_(parent) {
  AddAncestor("TControl");
  if (parent_) {
    parent_->children_.push_back(this);
    font_ = parent_->font_;
    color_ = parent_->color_;
  }
  DeclareTextMember("Hint", hint_);
}

Control::~Control() {
  peer_.reset();
  // Owned children outlive this level of the destructor; they must not reach back.
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::SetBounds(const Bounds& bounds) {
  if (bounds_ == bounds) return;
  bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  Changed(Change::Bounds);
  if (!resized) return;
  Realign();
  // An aligned control that changes size moves its aligned siblings.
  if (align_ != Align::None && parent_ && !parent_->realigning_) parent_->Realign();
}

void Control::SetPosition(int left, int top) {
  SetBounds({left, top, bounds_.width, bounds_.height});
}

void Control::SetSize(int width, int height) {
  SetBounds({bounds_.left, bounds_.top, width, height});
}

void Control::Realign() {
  if (realigning_) return;
  realigning_ = true;
  Bounds rest = ClientArea();
  auto place = [&](Align kind) {
    for (Control* child : children_) {
      if (child->align_ != kind) continue;
      const Bounds& b = child->bounds_;
      switch (kind) {
        case Align::Top:
          child->SetBounds({rest.left, rest.top, rest.width, b.height});
          rest.top += b.height;
          rest.height -= b.height;
          break;
        case Align::Bottom:
          child->SetBounds({rest.left, rest.top + rest.height - b.height, rest.width, b.height});
          rest.height -= b.height;
          break;
        case Align::Left:
          child->SetBounds({rest.left, rest.top, b.width, rest.height});
          rest.left += b.width;
          rest.width -= b.width;
          break;
        case Align::Right:
          child->SetBounds({rest.left + rest.width - b.width, rest.top, b.width, rest.height});
          rest.width -= b.width;
          break;
        case Align::Client:
          child->SetBounds(rest);
          break;
        case Align::None:
          break;
      }
    }
  };
  for (Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) place(kind);
  realigning_ = false;
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(Change::Visible);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(Change::Enabled);
}

void Control::SetFont(const Font& font) {
  if (font_ == font) return;
  font_ = font;
  Changed(Change::Font);
}

void Control::SetColor(Color color) {
  if (color_ == color) return;
  color_ = color;
  Changed(Change::Color);
}

void Control::Repaint() {
  if (peer_) peer_->Repaint();
}

void Control::PaintChanges() {
  if (peer_) peer_->PaintChanges();
}

void Control::Click() {
  // A disabled control cannot be pressed.
  if (!enabled_) return;
  if (on_click) on_click();
}

void Control::Changed(Change change) {
  if (peer_) peer_->Changed(change);
}

}  // namespace ui
