#include "host/svg/svg_xml.h"

#include <gtest/gtest.h>

#include "host/svg/svg_entity_shapes.h"

namespace {

TEST(SvgXmlTest, TextIsEscapedAndCleaned) {
  EXPECT_EQ(XmlEscape("a<b & \"c\" 'd' >"), "a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt;");
  EXPECT_EQ(XmlEscape("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(XmlEscape("x\x01y\tz"), "xy\tz");  // no control characters
  EXPECT_EQ(XmlEscape("a\xFF"
                      "b\xC3"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");                                                    // broken UTF-8
  EXPECT_EQ(XmlEscape("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // no surrogates
  EXPECT_EQ(XmlCommentText("a--b<-"), "a- -b<- ");
}

TEST(SvgXmlTest, NumbersAreShortAndLocaleFree) {
  const SvgNumberFormat format(4);
  EXPECT_EQ(format(1.5), "1.5");
  EXPECT_EQ(format(-0.00001), "0");
  EXPECT_EQ(format(12345.678912), "12345.6789");
  EXPECT_EQ(format(-3.0), "-3");
  EXPECT_EQ(SvgNumberFormat::forSize(100).decimals(), 4);
  EXPECT_EQ(SvgNumberFormat::forSize(0.05).decimals(), 8);
}

TEST(SvgXmlTest, DrawingCodesBecomeCharacters) {
  EXPECT_EQ(PlainText("%%c10 %%p0.1 45%%d %%uunder%%u 100%%% %%065 50%"),
            "\xE2\x8C\x80"
            "10 \xC2\xB1"
            "0.1 45\xC2\xB0 under 100% A 50%");
}

}  // namespace
