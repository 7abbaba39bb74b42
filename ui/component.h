#pragma once
// The component model the translator walks: every component has a name, a
// class name, an owner that holds it, and a declared list of properties that
// code and the translator read and write by name.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/string_list.h"

namespace ui {

enum class PropertyKind { String, StringList, Integer, Boolean };

struct Property {
  std::string name;
  PropertyKind kind = PropertyKind::String;
  std::function<std::string()> get_text;
  std::function<void(const std::string&)> set_text;
  StringList* list = nullptr;
  std::function<int()> get_number;
  std::function<void(int)> set_number;
};

class Component {
 public:
  // The owner, when given, takes ownership through Own().
  Component(std::string class_name, std::string name);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& ClassName() const { return class_chain_.front(); }
  // Own class first, then its ancestors up to "TComponent".
  const std::vector<std::string>& ClassChain() const { return class_chain_; }
  const std::string& Name() const { return name_; }
  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return components_; }

  // Takes ownership of a component created for this owner; returns it typed.
  template <typename T>
  T& Own(std::unique_ptr<T> component) {
    T& ref = *component;
    AdoptComponent(std::move(component));
    return ref;
  }
  template <typename T, typename... Args>
  T& Make(Args&&... args) {
    return Own(std::make_unique<T>(std::forward<Args>(args)...));
  }
  Component* FindComponent(const std::string& name) const;

  // Properties in declaration order, inherited ones first.
  const std::vector<Property>& Properties() const { return properties_; }
  const Property* FindProperty(const std::string& name) const;
  std::string GetText(const std::string& property) const;
  void SetText(const std::string& property, const std::string& value);

  // Called by every destructor path: observers of destruction (translators
  // bound to a dictionary) hear of it here.
  std::vector<std::function<void(Component&)>> on_destroy;

 protected:
  // Each class level names itself as an ancestor of the class the component
  // was created as; levels construct base first, so each goes just below it.
  void AddAncestor(const std::string& class_name);
  void DeclareText(const std::string& name, std::function<std::string()> get,
                   std::function<void(const std::string&)> set);
  void DeclareTextMember(const std::string& name, std::string& member,
                         std::function<void()> changed = {});
  void DeclareList(const std::string& name, StringList& list);
  void DeclareNumber(const std::string& name, std::function<int()> get,
                     std::function<void(int)> set);

 private:
  void AdoptComponent(std::unique_ptr<Component> component);

  std::vector<std::string> class_chain_;
  std::string name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  std::vector<std::unique_ptr<Component>> owned_;
  std::vector<Property> properties_;
};

}  // namespace ui
