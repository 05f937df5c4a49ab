#include <gtest/gtest.h>

#include <set>

#include "core/font_faces.h"

namespace {

TEST(ScreenFace, TheTrueTypeFaceOfABitmapDesignFaceWhereInstalled) {
    const struct {
        std::wstring_view design;
        std::set<std::wstring_view> installed;
        std::wstring_view asked;
    } cases[] = {{L"MS Sans Serif", {L"Microsoft Sans Serif"}, L"Microsoft Sans Serif"},
                 {L"MS Sans Serif", {L"MS Sans Serif", L"Tahoma"}, L"MS Sans Serif"},
                 {L"Arial", {L"Arial", L"Microsoft Sans Serif"}, L"Arial"}};
    for (const auto& c : cases)
        EXPECT_TRUE(c.asked == wp::screenFace(c.design, [&](std::wstring_view f) { return c.installed.count(f) > 0; }));
}

} // namespace
