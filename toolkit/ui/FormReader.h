#pragma once
// Forms from stored descriptions (toolkit/formats/FormText.h).  The reader
// creates each component by its class name from a registry of classes and
// sets its published properties by name, in the order written, through the
// components' own setters, while the form is loading and reading; then
// Loaded() runs on every component in creation order (LoadComponent).
//
// A component written inside a windowed control stands on it (its parent);
// every component is owned by the form.  A reference to a component declared
// later (a skin manager after its buttons) is set once every component
// exists, still while reading.  Handlers are found by name in the form's
// handler table and must be of the event's own type.
//
// The classes are written with ClassTable.h; the values they take are
// turned by PropertyValues.h.
//
// A bad description raises Error("<source>:<line>: <form>.<component>.<property>: <reason>");
// CreateForm then destroys what was made, so no half-built form stays behind.
#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Ascii.h"
#include "base/Error.h"
#include "toolkit/resources/FormResources.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/ui/Component.h"

namespace nuvex {

class TFormReading;

// Sets one property from a written value; raises Error with the reason alone
// (the reader adds where it happened).
using TPropertySetter = std::function<void(TComponent& target, const TFormValue& value, TFormReading& reading)>;

struct TComponentClass {
  std::string Name;
  std::string Parent;  // the class whose properties this one inherits; empty for none
  std::function<std::unique_ptr<TComponent>(TComponent& owner)> Create;
  std::map<std::string, TPropertySetter> Properties;
};

// The classes a program can read (names compare without regard to ASCII case).
class TClassRegistry {
 public:
  TClassRegistry();  // knows the component model's own classes (ToolkitClasses.h)

  void Add(TComponentClass componentClass);
  const TComponentClass* Find(std::string_view name) const;
  // The setter of a property of a class or of a class it inherits from, or nullptr.
  const TPropertySetter* FindProperty(const TComponentClass& componentClass, std::string_view property) const;

 private:
  std::map<std::string, TComponentClass> classes_;  // by upper-case name
};

// A form's handlers by name; each is an Event of the type its event property has.
class THandlerTable {
 public:
  template <typename EventType>
  void Add(const std::string& name, EventType handler) {
    handlers_[UpperAscii(name)] = std::move(handler);
  }
  const std::any* Find(std::string_view name) const;

 private:
  std::map<std::string, std::any> handlers_;
};

// What a setter may ask while a description is read.
class TFormReading {
 public:
  TFormReading(TComponent& root, const THandlerTable& handlers) : root_(root), handlers_(handlers) {}

  TComponent& Root() const { return root_; }
  // The root or a component owned by it, by name; nullptr when there is none yet.
  TComponent* FindComponent(std::string_view name) const;
  const THandlerTable& Handlers() const { return handlers_; }
  // Runs `fix` once every component exists (for references to later ones);
  // an error it raises names the place of the property being read now.
  void Defer(std::function<void()> fix) { deferred_.push_back({std::move(fix), place_}); }

 private:
  friend class TFormReader;
  struct Deferred {
    std::function<void()> Fix;
    std::string Place;
  };
  TComponent& root_;
  const THandlerTable& handlers_;
  std::string place_;  // "<source>:<line>: <form>.<component>.<property>"
  std::vector<Deferred> deferred_;
};

// Reads the description into root, a component of the description's class.
void ReadForm(TComponent& root, const TFormObject& description, const TClassRegistry& classes,
              const THandlerTable& handlers, const std::string& source);

// Makes a form of class F (constructor F(owner)) and reads the description
// into it; on an error the form is destroyed before the error passes on.
template <typename F>
std::unique_ptr<F> CreateForm(TComponent* owner, const TFormObject& description, const TClassRegistry& classes,
                              const THandlerTable& handlers, const std::string& source) {
  auto form = std::make_unique<F>(owner);
  ReadForm(*form, description, classes, handlers, source);
  return form;
}

// The same for the description stored as the program's resource called name
// (resources/forms/<name>.nfd); errors name "<name>.nfd" as their source.
// ResourceNotFoundError when there is no such resource.
inline void ReadFormResource(TComponent& root, const std::string& name, const TClassRegistry& classes,
                             const THandlerTable& handlers) {
  const std::string source = name + ".nfd";
  ReadForm(root, ParseFormText(LoadFormResource(name), source), classes, handlers, source);
}

template <typename F>
std::unique_ptr<F> CreateFormFromResource(TComponent* owner, const std::string& name, const TClassRegistry& classes,
                                          const THandlerTable& handlers) {
  const std::string source = name + ".nfd";
  return CreateForm<F>(owner, ParseFormText(LoadFormResource(name), source), classes, handlers, source);
}

// The component of a form read from its description that the form's code
// relies on: by name, of class T.  Error("<form>: the description lacks
// <name>") when there is none of that class.
template <typename T>
T& DescribedComponent(TComponent& form, const char* name) {
  T* found = dynamic_cast<T*>(form.FindComponent(name));
  if (!found) throw Error(form.Name() + ": the description lacks " + name);
  return *found;
}

}  // namespace nuvex
