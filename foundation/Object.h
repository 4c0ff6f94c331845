#pragma once
#include <cstdint>
#include <utility>

namespace vorn {

struct ClassInfo;

/// Base of every object the library hands out: reference-counted (on the one user-interface
/// thread, so not atomic) and invocable by member name through its class's member table.
class Object {
 public:
  Object() noexcept;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();

  void AddRef() noexcept { ++refs_; }
  void Release() noexcept {
    if (--refs_ == 0) delete this;
  }
  int32_t RefCount() const noexcept { return refs_; }

  /// The member table of the object's class (names, dispatch identifiers, accessors, events).
  virtual const ClassInfo& Class() const = 0;

  /// Number of library objects alive in this process (the "can unload" test counts them).
  static int32_t LiveObjects() noexcept;

 private:
  int32_t refs_ = 0;
};

/// The base of an object class Self (deriving from Base) whose member table is Self::StaticClass():
/// answers Class() with it, so that each class names its table once.
template <class Self, class Base = Object>
class ClassOf : public Base {
 public:
  using Base::Base;
  const ClassInfo& Class() const final { return Self::StaticClass(); }
};

/// Intrusive smart pointer for Object and its subclasses.
template <class T>
class Ref {
 public:
  Ref() noexcept = default;
  Ref(std::nullptr_t) noexcept {}
  Ref(T* p) noexcept : p_(p) {
    if (p_) p_->AddRef();
  }
  Ref(const Ref& o) noexcept : Ref(o.p_) {}
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& o) noexcept : Ref(o.get()) {}
  ~Ref() {
    if (p_) p_->Release();
  }
  Ref& operator=(Ref o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.p_ == b.p_; }

 private:
  T* p_ = nullptr;
};

template <class T, class... A>
Ref<T> MakeRef(A&&... args) {
  return Ref<T>(new T(std::forward<A>(args)...));
}

/// Casts an object reference to a subclass; empty when the object is of another class.
template <class T, class U>
Ref<T> RefCast(const Ref<U>& r) {
  return Ref<T>(dynamic_cast<T*>(r.get()));
}

}  // namespace vorn
