#pragma once
// Late binding. Every object of this program is a Dispatch: it publishes its
// public interface as one table of members (its type library), in the
// interface's slot order. Get, Let and Call by member name read that table;
// the host scanner and `quillnet show` walk the same table.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "com/error.h"
#include "com/text.h"
#include "com/variant.h"

namespace com {

enum class MemberKind { Property, Method };

struct Member {
  std::string name;
  VarType type = VarType::Variant;  // the property's type, or the method's result type
  MemberKind kind = MemberKind::Property;
  std::function<Variant(Dispatch&, std::span<const Variant>)> get;  // property get or call
  std::function<void(Dispatch&, const Variant&)> let;
  // When the property exists only on some objects of the class (a field's
  // Size only on text fields), whether this object has it. Reading it on one
  // that has not raises the class's "undefined property" error.
  std::function<bool(Dispatch&)> defined;

  bool CanGet() const { return static_cast<bool>(get); }
  bool CanLet() const { return static_cast<bool>(let); }
  bool IsDefinedOn(Dispatch& object) const { return !defined || defined(object); }
};

class TypeInfo {
 public:
  TypeInfo(std::string name, std::vector<Member> members);
  const std::string& Name() const { return name_; }
  const std::vector<Member>& Members() const { return members_; }
  // Member names are found without regard to letter case, as COM does.
  const Member* Find(std::string_view name) const;

 private:
  std::string name_;
  std::vector<Member> members_;
  std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual> index_;  // name -> first member
};

class Dispatch : public std::enable_shared_from_this<Dispatch> {
 public:
  virtual ~Dispatch() = default;

  // The class's member table.
  virtual const TypeInfo& Members() const = 0;
  virtual std::string TypeName() const { return Members().Name(); }

  // Unknown members raise 438 "Object doesn't support this property or method".
  virtual Variant Get(std::string_view member, std::span<const Variant> args = {});
  virtual void Let(std::string_view member, const Variant& value);
  virtual Variant Call(std::string_view member, std::span<const Variant> args = {});

  Variant Call(std::string_view member, std::initializer_list<Variant> args) {
    return Call(member, std::span<const Variant>(args.begin(), args.size()));
  }
  Variant Get(std::string_view member, std::initializer_list<Variant> args) {
    return Get(member, std::span<const Variant>(args.begin(), args.size()));
  }
};

[[noreturn]] void RaiseMemberNotFound();

// Conversions between C++ member types and variants, with VB's rules.
template <class T, class = void>
struct ValueTraits;

template <>
struct ValueTraits<Variant> {
  static constexpr VarType type = VarType::Variant;
  static Variant To(Variant v) { return v; }
  static Variant From(const Variant& v) { return v; }
};
template <>
struct ValueTraits<std::string> {
  static constexpr VarType type = VarType::String;
  static Variant To(std::string v) { return Variant(std::move(v)); }
  static std::string From(const Variant& v) { return CStr(v); }
};
template <>
struct ValueTraits<bool> {
  static constexpr VarType type = VarType::Boolean;
  static Variant To(bool v) { return Variant(v); }
  static bool From(const Variant& v) { return CBool(v); }
};
template <>
struct ValueTraits<std::uint8_t> {
  static constexpr VarType type = VarType::Byte;
  static Variant To(std::uint8_t v) { return Variant(v); }
  static std::uint8_t From(const Variant& v) { return CByte(v); }
};
template <>
struct ValueTraits<std::int16_t> {
  static constexpr VarType type = VarType::Integer;
  static Variant To(std::int16_t v) { return Variant(v); }
  static std::int16_t From(const Variant& v) { return CInt(v); }
};
template <>
struct ValueTraits<std::int32_t> {
  static constexpr VarType type = VarType::Long;
  static Variant To(std::int32_t v) { return Variant(v); }
  static std::int32_t From(const Variant& v) { return CLng(v); }
};
template <>
struct ValueTraits<double> {
  static constexpr VarType type = VarType::Double;
  static Variant To(double v) { return Variant(v); }
  static double From(const Variant& v) { return CDbl(v); }
};
template <>
struct ValueTraits<Date> {
  static constexpr VarType type = VarType::Date;
  static Variant To(Date v) { return Variant(v); }
  static Date From(const Variant& v) { return CDate(v); }
};
// Enumerations travel as 32-bit integers, as in a type library.
template <class E>
struct ValueTraits<E, std::enable_if_t<std::is_enum_v<E>>> {
  static constexpr VarType type = VarType::Long;
  static Variant To(E v) { return Variant(static_cast<std::int32_t>(v)); }
  static E From(const Variant& v) { return static_cast<E>(CLng(v)); }
};
template <class T>
struct ValueTraits<std::shared_ptr<T>, std::enable_if_t<std::is_base_of_v<Dispatch, T>>> {
  static constexpr VarType type = VarType::Object;
  static Variant To(std::shared_ptr<T> v) { return Variant(ObjectRef(std::move(v))); }
  static std::shared_ptr<T> From(const Variant& v) {
    ObjectRef o = CObj(v);
    if (!o) return nullptr;
    auto typed = std::dynamic_pointer_cast<T>(o);
    if (!typed) RaiseVb(13);
    return typed;
  }
};

template <class T>
using Bare = std::remove_cvref_t<T>;

// Builds a class's member table from its member functions:
//   static const TypeInfo info = TypeBuilder<Table>("Table")
//       .Property("Name", &Table::Name, &Table::SetName)
//       .Get("TableType", &Table::TableType)
//       .Build();
template <class T>
class TypeBuilder {
 public:
  explicit TypeBuilder(std::string name) : name_(std::move(name)) {}

  template <class R, class Self>
  TypeBuilder& Get(std::string name, R (Self::*getter)()) {
    return Add(std::move(name), ValueTraits<Bare<R>>::type, Getter<R>(getter), nullptr);
  }
  template <class R, class Self>
  TypeBuilder& Get(std::string name, R (Self::*getter)() const) {
    return Add(std::move(name), ValueTraits<Bare<R>>::type, Getter<R>(getter), nullptr);
  }
  template <class R, class Self, class A>
  TypeBuilder& Property(std::string name, R (Self::*getter)(), void (Self::*letter)(A)) {
    return Add(std::move(name), ValueTraits<Bare<R>>::type, Getter<R>(getter), Letter<A>(letter));
  }
  template <class R, class Self, class A>
  TypeBuilder& Property(std::string name, R (Self::*getter)() const, void (Self::*letter)(A)) {
    return Add(std::move(name), ValueTraits<Bare<R>>::type, Getter<R>(getter), Letter<A>(letter));
  }
  // A method with one argument (for example a collection's Item(Index)).
  template <class R, class Self, class A>
  TypeBuilder& Method(std::string name, R (Self::*method)(A)) {
    Member m{std::move(name), ValueTraits<Bare<R>>::type, MemberKind::Method,
             [method](Dispatch& d, std::span<const Variant> args) -> Variant {
               if (args.size() != 1) RaiseVb(450);
               return ValueTraits<Bare<R>>::To((Self_(d).*method)(ValueTraits<Bare<A>>::From(args[0])));
             },
             nullptr, nullptr};
    members_.push_back(std::move(m));
    return *this;
  }
  // A method without arguments or result (for example Close).
  template <class Self>
  TypeBuilder& Action(std::string name, void (Self::*method)()) {
    members_.push_back(Member{std::move(name), VarType::Empty, MemberKind::Method,
                              [method](Dispatch& d, std::span<const Variant> args) -> Variant {
                                if (!args.empty()) RaiseVb(450);
                                (Self_(d).*method)();
                                return Variant();
                              },
                              nullptr, nullptr});
    return *this;
  }
  // Publishes the condition under which the member added last exists.
  template <class Condition>
  TypeBuilder& When(Condition condition) {
    members_.back().defined = [condition](Dispatch& d) -> bool {
      return (Self_(d).*condition)();
    };
    return *this;
  }
  // A member with hand-written accessors, for members whose types vary.
  TypeBuilder& Custom(Member member) {
    members_.push_back(std::move(member));
    return *this;
  }

  TypeInfo Build() { return TypeInfo(std::move(name_), std::move(members_)); }

 private:
  static T& Self_(Dispatch& d) { return static_cast<T&>(d); }

  template <class R, class G>
  static std::function<Variant(Dispatch&, std::span<const Variant>)> Getter(G getter) {
    return [getter](Dispatch& d, std::span<const Variant> args) -> Variant {
      if (!args.empty()) RaiseVb(450);
      return ValueTraits<Bare<R>>::To((Self_(d).*getter)());
    };
  }
  template <class A, class L>
  static std::function<void(Dispatch&, const Variant&)> Letter(L letter) {
    return [letter](Dispatch& d, const Variant& v) {
      (Self_(d).*letter)(ValueTraits<Bare<A>>::From(v));
    };
  }
  TypeBuilder& Add(std::string name, VarType type,
                   std::function<Variant(Dispatch&, std::span<const Variant>)> get,
                   std::function<void(Dispatch&, const Variant&)> let) {
    members_.push_back(Member{std::move(name), type, MemberKind::Property, std::move(get),
                              std::move(let), nullptr});
    return *this;
  }

  std::string name_;
  std::vector<Member> members_;
};

}  // namespace com
