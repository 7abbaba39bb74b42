#include "ui/component.h"

#include <stdexcept>

namespace ui {

Component::Component(std::string class_name, std::string name)
    : class_chain_{std::move(class_name), "TComponent"}, name_(std::move(name)) {
  DeclareText("Name", [this] { return name_; }, [this](const std::string& v) { name_ = v; });
}

Component::~Component() {
  for (auto& observer : on_destroy) observer(*this);
  // Owned components go in reverse creation order, as their owner built them.
  while (!owned_.empty()) owned_.pop_back();
}

void Component::AddAncestor(const std::string& class_name) {
  class_chain_.insert(class_chain_.begin() + 1, class_name);
}

Component* Component::FindComponent(const std::string& name) const {
  for (Component* c : components_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

const Property* Component::FindProperty(const std::string& name) const {
  for (const auto& p : properties_) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

std::string Component::GetText(const std::string& property) const {
  const Property* p = FindProperty(property);
  if (!p || p->kind != PropertyKind::String) {
    throw std::logic_error(ClassName() + " has no text property " + property);
  }
  return p->get_text();
}

void Component::SetText(const std::string& property, const std::string& value) {
  const Property* p = FindProperty(property);
  if (!p || p->kind != PropertyKind::String) {
    throw std::logic_error(ClassName() + " has no text property " + property);
  }
  p->set_text(value);
}

void Component::DeclareText(const std::string& name, std::function<std::string()> get,
                            std::function<void(const std::string&)> set) {
  Property p;
  p.name = name;
  p.kind = PropertyKind::String;
  p.get_text = std::move(get);
  p.set_text = std::move(set);
  properties_.push_back(std::move(p));
}

void Component::DeclareTextMember(const std::string& name, std::string& member,
                                  std::function<void()> changed) {
  DeclareText(
      name, [&member] { return member; },
      [&member, changed](const std::string& v) {
        if (member == v) return;
        member = v;
        if (changed) changed();
      });
}

void Component::DeclareList(const std::string& name, StringList& list) {
  Property p;
  p.name = name;
  p.kind = PropertyKind::StringList;
  p.list = &list;
  properties_.push_back(std::move(p));
}

void Component::DeclareNumber(const std::string& name, std::function<int()> get,
                              std::function<void(int)> set) {
  Property p;
  p.name = name;
  p.kind = PropertyKind::Integer;
  p.get_number = std::move(get);
  p.set_number = std::move(set);
  properties_.push_back(std::move(p));
}

void Component::AdoptComponent(std::unique_ptr<Component> component) {
  component->owner_ = this;
  components_.push_back(component.get());
  owned_.push_back(std::move(component));
}

}  // namespace ui
