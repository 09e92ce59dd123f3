#include "toolkit/ui/FormReader.h"

#include "toolkit/ui/Control.h"
#include "toolkit/ui/ToolkitClasses.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

TClassRegistry::TClassRegistry() { AddToolkitClasses(*this); }

void TClassRegistry::Add(TComponentClass componentClass) {
  std::string key = UpperAscii(componentClass.Name);
  classes_[key] = std::move(componentClass);
}

const TComponentClass* TClassRegistry::Find(std::string_view name) const {
  const auto it = classes_.find(UpperAscii(name));
  return it == classes_.end() ? nullptr : &it->second;
}

const TPropertySetter* TClassRegistry::FindProperty(const TComponentClass& componentClass,
                                                    std::string_view property) const {
  // A chain of inheritance is short; a cycle written by mistake stops at 32.
  const TComponentClass* c = &componentClass;
  for (int depth = 0; c && depth < 32; ++depth) {
    for (const auto& [name, setter] : c->Properties)
      if (SameTextAscii(name, property)) return &setter;
    c = c->Parent.empty() ? nullptr : Find(c->Parent);
  }
  return nullptr;
}

const std::any* THandlerTable::Find(std::string_view name) const {
  const auto it = handlers_.find(UpperAscii(name));
  return it == handlers_.end() ? nullptr : &it->second;
}

TComponent* TFormReading::FindComponent(std::string_view name) const {
  if (SameTextAscii(root_.Name(), name)) return &root_;
  return root_.FindComponent(name);
}

// ---- the reader ----

class TFormReader {
 public:
  TFormReader(TFormReading& reading, const TClassRegistry& classes, const std::string& source,
              const std::string& formName)
      : reading_(reading), classes_(classes), source_(source), formName_(formName) {}

  void Object(TComponent& component, const TComponentClass& componentClass, const TFormObject& object) {
    for (const TFormProperty& property : object.Properties) {
      reading_.place_ = Place(property.Line, object.Name, property.Name);
      const TPropertySetter* setter = classes_.FindProperty(componentClass, property.Name);
      try {
        if (!setter) throw Error("unknown property of " + componentClass.Name);
        (*setter)(component, property.Value, reading_);
      } catch (const Error& e) {
        throw Error(reading_.place_ + ": " + e.what());
      }
    }
    for (const TFormObject& child : object.Children) Child(component, child);
  }

  void Fixups() {
    for (const TFormReading::Deferred& d : reading_.deferred_) {
      try {
        d.Fix();
      } catch (const Error& e) {
        throw Error(d.Place + ": " + e.what());
      }
    }
  }

 private:
  std::string Place(int line, const std::string& component, const std::string& property) const {
    std::string place = source_ + ":" + std::to_string(line) + ": " + formName_;
    if (component != formName_) place += "." + component;
    if (!property.empty()) place += "." + property;
    return place;
  }

  void Child(TComponent& enclosing, const TFormObject& object) {
    const std::string where = Place(object.Line, object.Name, "");
    const TComponentClass* componentClass = classes_.Find(object.ClassName);
    if (!componentClass || !componentClass->Create) throw Error(where + ": unknown class " + object.ClassName);
    if (reading_.FindComponent(object.Name)) throw Error(where + ": a component named " + object.Name + " exists");
    TComponent& root = reading_.Root();
    std::unique_ptr<TComponent> made = componentClass->Create(root);
    TComponent& component = *made;
    component.SetName(object.Name);
    root.InsertComponent(std::move(made));
    if (auto* control = dynamic_cast<TControl*>(&component)) {
      if (auto* parent = dynamic_cast<TWinControl*>(&enclosing)) control->SetParent(parent);
    }
    Object(component, *componentClass, object);
  }

  TFormReading& reading_;
  const TClassRegistry& classes_;
  const std::string& source_;
  const std::string& formName_;
};

void ReadForm(TComponent& root, const TFormObject& description, const TClassRegistry& classes,
              const THandlerTable& handlers, const std::string& source) {
  const std::string where = source + ":" + std::to_string(description.Line) + ": " + description.Name;
  if (!SameTextAscii(description.ClassName, root.ClassName()))
    throw Error(where + ": the description is of class " + description.ClassName + ", the form is a " +
                root.ClassName());
  const TComponentClass* rootClass = classes.Find(description.ClassName);
  if (!rootClass) throw Error(where + ": unknown class " + description.ClassName);
  root.SetName(description.Name);
  TFormReading reading(root, handlers);
  TFormReader reader(reading, classes, source, description.Name);
  LoadComponent(root, [&] {
    reader.Object(root, *rootClass, description);
    reader.Fixups();
  });
}

}  // namespace nuvex
