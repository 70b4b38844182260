#include "update/rewrite.h"

#include <gtest/gtest.h>

#include "update/rewrite_test_util.h"

namespace {

const RewriteRule kRules[] = {
    {"k=1\n", "k=one\n", "k changed.\n"},
    {"j=1\n", "j=one\n", "j changed.\n"},
};
const UpdateTarget kTarget = {
    "t", "t.bak", {}, "[S]\n", kRules, sizeof kRules / sizeof kRules[0],
};

TEST(RewritePieceTest, RulesApplyOnlyInsideTheSection) {
  struct Case {
    const char* name;
    const char* input;
    const char* output;
    const char* log;
  } cases[] = {
      {"before the first header", "k=1\n[S]\n", "k=1\n[S]\n", ""},
      {"in the section", "[S]\nk=1\nx=1\nj=1\n", "[S]\nk=one\nx=1\nj=one\n",
       "k changed.\nj changed.\n"},
      {"the key twice", "[S]\nk=1\nk=1\n", "[S]\nk=one\nk=one\n",
       "k changed.\nk changed.\n"},
      {"another section ends it", "[S]\n[T]\nk=1\n", "[S]\n[T]\nk=1\n", ""},
      {"the section twice", "[S]\nk=1\n[T]\nk=1\n[S]\nj=1\n",
       "[S]\nk=one\n[T]\nk=1\n[S]\nj=one\n", "k changed.\nj changed.\n"},
      {"header in other case", "[s]\nk=1\n", "[s]\nk=1\n", ""},
      {"header with a space", "[S] \nk=1\n", "[S] \nk=1\n", ""},
      {"header without line feed at the end", "k=1\n[S]", "k=1\n[S]", ""},
      {"near misses", "[S]\nk=1 \nk=1\rk=2\n k=1\nK=1\nk=1",
       "[S]\nk=1 \nk=1\rk=2\n k=1\nK=1\nk=1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RewriteOutcome outcome = RewriteText(kTarget, c.input);
    EXPECT_EQ(outcome.output, c.output);
    EXPECT_EQ(outcome.log, c.log);
  }
}

TEST(RewritePieceTest, TailOfACutLineIsNeitherHeaderNorMatch) {
  bool in_section = true;
  EXPECT_EQ(RewritePiece(kTarget, MakePiece("k=1\n", true), &in_section),
            nullptr);
  EXPECT_TRUE(in_section);
  EXPECT_EQ(RewritePiece(kTarget, MakePiece("[T]\n", true), &in_section),
            nullptr);
  EXPECT_TRUE(in_section) << "a tail that begins with [ is not a header";
  in_section = false;
  EXPECT_EQ(RewritePiece(kTarget, MakePiece("[S]\n", true), &in_section),
            nullptr);
  EXPECT_FALSE(in_section);
}

TEST(RewritePieceTest, FirstPieceOfALongHeaderLineEndsTheSection) {
  bool in_section = true;
  std::string head = "[" + std::string(1022, 'x');
  EXPECT_EQ(RewritePiece(kTarget, MakePiece(head), &in_section), nullptr);
  EXPECT_FALSE(in_section);
}

TEST(RewritePieceTest, NoSectionHeaderChangesNothing) {
  const UpdateTarget bare = {"t", "t.bak", {}, nullptr, nullptr, 0};
  RewriteOutcome outcome = RewriteText(bare, "[S]\nk=1\n");
  EXPECT_EQ(outcome.output, "[S]\nk=1\n");
  EXPECT_EQ(outcome.log, "");
}

}  // namespace
