#pragma once
// A visible component: it has a parent, bounds, a font and colours, can be
// shown or hidden, and keeps one peer (a real window, or nothing when headless)
// in step with its state.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/types.h"

namespace ui {

enum class Change { Text, Visible, Enabled, Bounds, Font, Color, Items, Checks, Progress, Selection };

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Change change) = 0;
  // Draws the control now, without waiting for the message loop.
  virtual void Repaint() = 0;
  // Draws now only what its own and its children's changes left undrawn.
  virtual void PaintChanges() { Repaint(); }
};

class Control : public Component {
 public:
  Control(std::string class_name, std::string name, Control* parent);
  ~Control() override;

  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }

  const Bounds& GetBounds() const { return bounds_; }
  void SetBounds(const Bounds& bounds);
  void SetPosition(int left, int top);
  void SetSize(int width, int height);
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  // The area children are laid out in: the control's own size.
  virtual Bounds ClientArea() const { return {0, 0, bounds_.width, bounds_.height}; }

  Align GetAlign() const { return align_; }
  void SetAlign(Align align) { align_ = align; }
  // Places the aligned children: all Top ones, then Bottom, Left, Right and
  // Client, each kind in creation order, out of what is left of the client area.
  void Realign();

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to the form.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  Color GetColor() const { return color_; }
  void SetColor(Color color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  const std::string& Hint() const { return hint_; }

  // The window text: a caption, a status text, a rich edit's text.
  virtual std::string WindowText() const { return {}; }
  virtual bool TakesFocus() const { return false; }
  // Repaints at once (the installation run shows progress without a message loop).
  void Repaint();
  // Draws at once what changed since the last paint, and nothing else: for a
  // run that paints its progress once a frame.
  void PaintChanges();

  void Click();
  std::function<void()> on_click;

  ControlPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
  void DetachPeer() { peer_.reset(); }

 protected:
  void Changed(Change change);

 private:
  Control* parent_;
  std::vector<Control*> children_;
  Bounds bounds_;
  Align align_ = Align::None;
  bool realigning_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  bool transparent_ = false;
  Font font_;
  Color color_ = kColorButtonFace;
  std::string hint_;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
