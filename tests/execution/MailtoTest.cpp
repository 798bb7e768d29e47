#include <gtest/gtest.h>

#include "common/Unicode.h"
#include "execution/Mailto.h"

namespace tolvane::execution {
namespace {

TEST(MailtoUrl, PartsComeBodyFirstAndOnlyWhenFilledIn) {
  struct TRow {
    const char *To, *Cc, *Bcc, *Subject, *Body, *Url;
  };
  const TRow rows[] = {
      {"a@example.com", "", "", "Hi there", "", "mailto:a@example.com?subject=Hi%20there"},
      {"a@example.com", "c@example.com", "", "", "Hello\r\nWorld",
       "mailto:a@example.com?body=Hello%0D%0AWorld&cc=c@example.com"},
      {"a@example.com", "c@x.dk", "b@x.dk", "S", "B",
       "mailto:a@example.com?body=B&cc=c@x.dk&bcc=b@x.dk&subject=S"},
      {"a@example.com", "", "b@x.dk", "", "", "mailto:a@example.com?bcc=b@x.dk"},
      {"a@example.com", "", "", "", "", "mailto:a@example.com"},
      {"a@example.com", "", "", "Café", "", "mailto:a@example.com?subject=Caf%C3%A9"},
      // Address lists keep their separators; the query's own characters are encoded inside values.
      {"a@x.dk, b@x.dk;c@x.dk", "", "", "a&b=c?d+e#f%", "",
       "mailto:a@x.dk,%20b@x.dk;c@x.dk?subject=a%26b%3Dc%3Fd%2Be%23f%25"},
      {"\"Ann\" <ann_b-c@x.dk>", "", "", "", "", "mailto:%22Ann%22%20<ann_b-c@x.dk>"},
      {"x@y.z", "", "", "\xF0\x9F\x98\x80 ~/", "", "mailto:x@y.z?subject=%F0%9F%98%80%20%7E%2F"},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(
        Utf16ToUtf8(BuildMailtoUrl(U16(row.To), U16(row.Cc), U16(row.Bcc), U16(row.Subject), U16(row.Body))),
        row.Url);
  }
}

TEST(MailtoUrl, AnEmptyToFieldIsAnError) {
  try {
    (void)BuildMailtoUrl(u"", u"c@x.dk", u"", u"Subject", u"Body");
    FAIL() << "no exception";
  } catch (const EQxMailToEmptyToField& error) {
    EXPECT_STREQ(error.what(), "The TO field is empty!\r\nYou must provide a recipient");
  }
}

}  // namespace
}  // namespace tolvane::execution
