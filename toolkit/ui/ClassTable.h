#pragma once
// What a table of classes is written with: the maker of a component of a
// class, and the setters of the common kinds of published property.  The
// toolkit's table (ToolkitClasses.h), the skin engine's and the controls'
// are all written with these.
#include <any>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/PropertyValues.h"

namespace nuvex {

// The maker of a component of class T (constructor T(owner)).
template <typename T>
std::function<std::unique_ptr<TComponent>(TComponent&)> Maker() {
  return [](TComponent& owner) -> std::unique_ptr<TComponent> { return std::make_unique<T>(&owner); };
}

namespace property {

template <typename C, typename Arg>
TPropertySetter Integer(void (C::*setter)(Arg)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading&) {
    (static_cast<C&>(t).*setter)(static_cast<Arg>(IntegerValue(v)));
  };
}

template <typename C>
TPropertySetter Text(void (C::*setter)(const std::string&)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading&) {
    (static_cast<C&>(t).*setter)(Expect(v, TFormValueKind::Text, "a text").Text);
  };
}

template <typename C>
TPropertySetter Boolean(void (C::*setter)(bool)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading&) {
    (static_cast<C&>(t).*setter)(BooleanValue(v));
  };
}

template <typename C>
TPropertySetter Colour(void (C::*setter)(TColor)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading&) {
    (static_cast<C&>(t).*setter)(ColorValue(v));
  };
}

// An enumeration written by the names of its values.
template <typename C, typename E>
TPropertySetter Enumeration(void (C::*setter)(E), std::vector<std::pair<std::string, E>> names) {
  return [setter, names = std::move(names)](TComponent& t, const TFormValue& v, TFormReading&) {
    (static_cast<C&>(t).*setter)(NamedValue(v, names));
  };
}

// A reference to another component of the form, by name, of class T.
template <typename C, typename T>
TPropertySetter Reference(void (C::*setter)(T*)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading& reading) {
    const std::string name = Expect(v, TFormValueKind::Name, "a component name").Text;
    C& target = static_cast<C&>(t);
    auto apply = [setter, &target, &reading, name] {
      TComponent* found = reading.FindComponent(name);
      if (!found) throw Error("no component named " + name);
      T* typed = dynamic_cast<T*>(found);
      if (!typed) throw Error(name + " is a " + found->ClassName() + ", not the kind this property takes");
      (target.*setter)(typed);
    };
    if (reading.FindComponent(name)) {
      apply();
    } else {
      reading.Defer(apply);
    }
  };
}

// An event property bound to a handler of the form by the handler's name.
template <typename C, typename EventType>
TPropertySetter Handler(EventType C::*member) {
  return [member](TComponent& t, const TFormValue& v, TFormReading& reading) {
    const std::string& name = Expect(v, TFormValueKind::Name, "a handler name").Text;
    const std::any* handler = reading.Handlers().Find(name);
    if (!handler) throw Error("no handler named " + name);
    const EventType* typed = std::any_cast<EventType>(handler);
    if (!typed) throw Error("handler " + name + " does not fit this event");
    static_cast<C&>(t).*member = *typed;
  };
}

}  // namespace property

}  // namespace nuvex
