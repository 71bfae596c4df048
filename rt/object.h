// The object model of the runtime: reference-counted objects, the checked
// reference type through which the program uses them, and the exceptions the
// runtime raises when an object is missing or of the wrong class.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace rt {

// Base of every exception the runtime raises.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised wherever a nil object is used: a missing window, control, picture,
// sound or menu item, or an event reaching a window that no longer exists.
class NilObjectException : public RuntimeException {
 public:
  NilObjectException() : RuntimeException("nil object used") {}
  explicit NilObjectException(const std::string& what) : RuntimeException(what) {}
};

// Raised when RuntimeCheckCast finds an object of another class.
class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// Every framework object derives from Object and lives in a std::shared_ptr.
class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;
};

// A reference to a framework object. It shares ownership like the
// std::shared_ptr it wraps; using a nil reference with -> or * raises
// NilObjectException instead of crashing. == compares identity.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}  // NOLINT: nil converts implicitly, as in the framework
  Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}  // NOLINT
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(const Ref<U>& other) : p_(other.shared()) {}  // NOLINT

  T* operator->() const {
    if (!p_) throw NilObjectException();
    return p_.get();
  }
  T& operator*() const {
    if (!p_) throw NilObjectException();
    return *p_;
  }
  explicit operator bool() const { return static_cast<bool>(p_); }
  bool IsNil() const { return !p_; }
  T* get() const { return p_.get(); }
  const std::shared_ptr<T>& shared() const { return p_; }
  std::weak_ptr<T> weak() const { return p_; }

 private:
  std::shared_ptr<T> p_;
};

template <class A, class B>
bool operator==(const Ref<A>& a, const Ref<B>& b) {
  return static_cast<const void*>(a.get()) == static_cast<const void*>(b.get());
}
template <class A>
bool operator==(const Ref<A>& a, std::nullptr_t) {
  return a.IsNil();
}

// A new, not yet constructed object of class T.
template <class T, class... Args>
Ref<T> RuntimeNewObject(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// The same object after a test that it is of class T; nil stays nil.
// Raises IllegalCastException for an object of another class.
template <class T, class U>
Ref<T> RuntimeCheckCast(const Ref<U>& object) {
  if (!object) return Ref<T>();
  auto cast = std::dynamic_pointer_cast<T>(object.shared());
  if (!cast) throw IllegalCastException("object is not of the expected class");
  return Ref<T>(std::move(cast));
}

// A reference to an object from inside one of its own methods.
template <class T>
Ref<T> SelfRef(T* self) {
  return Ref<T>(std::static_pointer_cast<T>(self->shared_from_this()));
}

}  // namespace rt
