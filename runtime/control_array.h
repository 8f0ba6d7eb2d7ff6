// Control arrays: controls of one kind and name, addressed by index (rows 1-18, menu items 0-1,
// pictures 1-48). The array's events carry the element's index.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "runtime/controls.h"
#include "runtime/errors.h"

namespace rt {

template <class T>
class ControlArray {
  public:
    ControlArray(Container* parent, std::string name) : parent_(parent), name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Creates the element `index` at design time, with the control's own defaults.
    T& create(int index) {
        auto element = std::make_unique<T>(parent_, name_, index);
        T& ref = *element;
        elements_[index] = std::move(element);
        wire(ref, index);
        return ref;
    }

    // Creates the element `index` at run time: it takes every design property of the element
    // with the lowest index, and starts hidden. Loading an index that exists is error 360.
    T& load(int index) {
        if (exists(index)) throw RuntimeError(360, "Object already loaded");
        if (elements_.empty()) throw RuntimeError(kArrayElementMissing, "No element to copy");
        const T& first = *elements_.begin()->second;
        T& element = create(index);
        element.copyDesignFrom(first);
        element.setVisible(false);
        return element;
    }

    bool exists(int index) const { return elements_.count(index) != 0; }

    // The element `index`; a missing one is error 340.
    T& operator[](int index) {
        auto it = elements_.find(index);
        if (it == elements_.end())
            throw RuntimeError(kArrayElementMissing, "Control array element '" +
                                                         std::to_string(index) + "' doesn't exist");
        return *it->second;
    }
    const T& operator[](int index) const { return const_cast<ControlArray&>(*this)[index]; }

    int lbound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int ubound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    int count() const { return static_cast<int>(elements_.size()); }
    const std::string& name() const { return name_; }

    template <class F>
    void forEach(F&& f) {
        for (auto& [index, element] : elements_) f(index, *element);
    }

    // The array's events; each element forwards its own with its index.
    std::function<void(int index)> onClick;
    std::function<void(int index)> onChange;
    std::function<void(int index, int button, int shift, float x, float y)> onMouseDown;
    std::function<void(int index, int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int index, int button, int shift, float x, float y)> onMouseUp;

    // Sends the array's press, move and release to three handlers of a form.
    template <class Form>
    using MouseHandler = void (Form::*)(int index, int button, int shift, float x, float y);
    template <class Form>
    void wireMouse(Form* form, MouseHandler<Form> down, MouseHandler<Form> move,
                   MouseHandler<Form> up) {
        onMouseDown = [form, down](int i, int b, int s, float x, float y) {
            (form->*down)(i, b, s, x, y);
        };
        onMouseMove = [form, move](int i, int b, int s, float x, float y) {
            (form->*move)(i, b, s, x, y);
        };
        onMouseUp = [form, up](int i, int b, int s, float x, float y) {
            (form->*up)(i, b, s, x, y);
        };
    }

  private:
    void wire(T& element, int index) {
        element.onClick = [this, index] {
            if (onClick) onClick(index);
        };
        element.onMouseDown = [this, index](int b, int s, float x, float y) {
            if (onMouseDown) onMouseDown(index, b, s, x, y);
        };
        element.onMouseMove = [this, index](int b, int s, float x, float y) {
            if (onMouseMove) onMouseMove(index, b, s, x, y);
        };
        element.onMouseUp = [this, index](int b, int s, float x, float y) {
            if (onMouseUp) onMouseUp(index, b, s, x, y);
        };
        if constexpr (requires { element.onChange; }) {
            element.onChange = [this, index] {
                if (onChange) onChange(index);
            };
        }
    }

    Container* parent_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace rt
