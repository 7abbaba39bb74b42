#pragma once
// Building blocks of the translator tests: forms of our own, a translator
// record in a form description, and a look at what a form shows.
#include <map>
#include <string>
#include <vector>

#include "dictionary_test_support.h"
#include "i18n/iv_translator.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/headless_backend.h"
#include "ui/label.h"

namespace i18n_test {

// The main window's targets, in stored order.
inline std::vector<TIvTargetProperty> MainWindowTargets() {
  return {{"", "Hint", 0},  {"", "Caption", 0},    {"TMemo", "Text", 0}, {"", "Lines", 0},
          {"", "Items", 0}, {"", "SimpleText", 0}, {"", "Filter", 0}};
}

// A form description of that class holding only a translator's record.
inline std::string TranslatorFormStream(const std::string& form_class, const std::string& form_name,
                                        const std::function<void(FormStreamWriter&)>& properties) {
  FormStreamWriter writer;
  writer.WriteSignature();
  writer.WriteObjectHeader(form_class, form_name);
  writer.WriteEnd();
  writer.WriteObjectHeader("TIvTranslator", "IvTranslator1");
  properties(writer);
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();
  return writer.Bytes();
}

// A memo as the main window's targets know it: its lines and its whole text.
class TestMemo : public ui::Control {
 public:
  TestMemo(std::string name, ui::Control* parent) : ui::Control("TMemo", std::move(name), parent) {
    DeclareList("Lines", lines_);
    DeclareText(
        "Text", [this] { return lines_.Text(); }, [this](const std::string& v) { lines_.SetText(v); });
  }
  ui::StringList& Lines() { return lines_; }

 private:
  ui::StringList lines_;
};

// A component whose class derives from another of the program's own.
class DerivedPanel : public ui::Control {
 public:
  explicit DerivedPanel(std::string name) : ui::Control("TDerivedPanel", std::move(name), nullptr) {
    AddAncestor("TBasePanel");
  }
};

// Stands for a real window, which ui/win32 gives every control it shows.
class WindowPeer : public ui::ControlPeer {
 public:
  void Changed(ui::Change) override {}
  void Repaint() override {}
};

// Every text a form shows: each string property and list line of the form
// and of the components it owns, by "component.property[line]".
inline std::map<std::string, std::string> ShownTexts(const ui::Component& form) {
  std::map<std::string, std::string> texts;
  auto add = [&texts](const ui::Component& component) {
    for (const ui::Property& property : component.Properties()) {
      const std::string key = component.Name() + "." + property.name;
      if (property.kind == ui::PropertyKind::String) texts[key] = property.get_text();
      if (property.kind != ui::PropertyKind::StringList) continue;
      for (int i = 0; i < property.list->Count(); ++i) {
        texts[key + "[" + std::to_string(i) + "]"] = (*property.list)[i];
      }
    }
  };
  add(form);
  for (const ui::Component* component : form.Components()) add(*component);
  return texts;
}

inline std::map<std::string, ui::Bounds> ShownBounds(const ui::Component& form) {
  std::map<std::string, ui::Bounds> bounds;
  for (const ui::Component* component : form.Components()) {
    const auto* control = dynamic_cast<const ui::Control*>(component);
    if (control) bounds[control->Name()] = control->GetBounds();
  }
  return bounds;
}

// The remembered items of one component's property.
inline std::vector<TIvTranslatorTableItem> ItemsOf(const TIvTranslator& translator,
                                                   const ui::Component& object, const std::string& property) {
  std::vector<TIvTranslatorTableItem> items;
  for (const auto& item : translator.Table().Items()) {
    if (item.Object == &object && item.PropertyName == property) items.push_back(item);
  }
  return items;
}

inline std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

// A headless application with a form of our own kind on which each test
// puts the components it needs.
class TranslatorTest : public DictionaryTest {
 protected:
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Form form{app, "TTestForm", "TestForm"};
};

}  // namespace i18n_test
