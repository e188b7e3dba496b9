#include "res/desktop/IconSvg.h"

#include "platform/resource/IconBitmap.h"
#include "res/MainIcon.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>
#include <string>

TEST(IconSvg, PaintsEveryOpaquePixelOnceInItsColourWithCrispEdges) {
    const std::string svg = IconSvg(kMainIcon);
    EXPECT_NE(svg.find("viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\""), std::string::npos);

    // What the rectangles paint, and how often each pixel is painted.
    std::array<std::array<std::string, IconBitmap::kSize>, IconBitmap::kSize> painted;
    std::array<std::array<int, IconBitmap::kSize>, IconBitmap::kSize> times{};
    const std::regex rect(
        R"re(<rect x="(\d+)" y="(\d+)" width="(\d+)" height="1" fill="(#[0-9A-F]{6})"/>)re");
    int rectangles = 0;
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), rect);
         match != std::sregex_iterator(); ++match, ++rectangles) {
        const int x = std::stoi((*match)[1]);
        const int y = std::stoi((*match)[2]);
        const int width = std::stoi((*match)[3]);
        ASSERT_LE(x + width, IconBitmap::kSize) << match->str();
        ASSERT_LT(y, IconBitmap::kSize) << match->str();
        for (int column = x; column < x + width; ++column) {
            painted[y][column] = (*match)[4];
            ++times[y][column];
        }
    }
    EXPECT_EQ(svg.find("<rect"), svg.find("<rect x="));

    int opaque = 0;
    for (int y = 0; y < IconBitmap::kSize; ++y) {
        for (int x = 0; x < IconBitmap::kSize; ++x) {
            if (kMainIcon.transparent[y][x]) {
                EXPECT_EQ(times[y][x], 0) << x << ',' << y;
                continue;
            }
            ++opaque;
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06X",
                          static_cast<unsigned>(kStandardPalette[kMainIcon.colours[y][x]]));
            EXPECT_EQ(times[y][x], 1) << x << ',' << y;
            EXPECT_EQ(painted[y][x], colour) << x << ',' << y;
        }
    }
    // Runs of a colour share one rectangle.
    EXPECT_LT(rectangles, opaque / 2);
}
