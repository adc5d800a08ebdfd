#include "com/dispatch.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

namespace {

class Widget : public com::Dispatch {
 public:
  const com::TypeInfo& Members() const override {
    static const com::TypeInfo info = com::TypeBuilder<Widget>("Widget")
                                          .Property("Caption", &Widget::Caption, &Widget::SetCaption)
                                          .Get("Width", &Widget::Width)
                                          .Method("Twice", &Widget::Twice)
                                          .Build();
    return info;
  }
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  std::int16_t Width() const { return 7; }
  std::int32_t Twice(std::int32_t v) { return 2 * v; }

 private:
  std::string caption_;
};

}  // namespace

TEST(Dispatch, GetLetAndCallByMemberNameIgnoringCase) {
  auto w = std::make_shared<Widget>();
  w->Let("caption", com::Variant(42));
  EXPECT_EQ(com::CStr(w->Get("CAPTION")), "42");
  EXPECT_EQ(w->Get("Width").Type(), com::VarType::Integer);
  EXPECT_EQ(com::CLng(w->Call("Twice", {com::Variant("21")})), 42);
  EXPECT_EQ(w->TypeName(), "Widget");
  EXPECT_EQ(com::TypeName(com::Variant(w)), "Widget");
}

TEST(Dispatch, UnknownMembersRaise438) {
  auto w = std::make_shared<Widget>();
  for (auto work : std::vector<std::function<void()>>{
           [&] { w->Get("Height"); },
           [&] { w->Let("Width", com::Variant(1)); },  // read-only
           [&] { w->Call("Thrice", {com::Variant(1)}); }}) {
    const com::Error e = testing_support::ErrorOf(work);
    EXPECT_EQ(e.Number(), 438);
    EXPECT_EQ(e.Description(), "Object doesn't support this property or method");
  }
}
