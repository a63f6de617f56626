// Message queues, glyph table and text layout, HUD texts.
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/glyph_table.h"
#include "game/shell/overlay/hud.h"
#include "game/shell/overlay/message_queue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr float TICK = 1.0f / 30.0f; // the message update cadence

ScreenMessage notice(const char* text) {
    return {.alpha = 1.0f,
            .fade_step = 0.1f,
            .text = text,
            .x = 0.4f,
            .y = 0.2f,
            .hold_time = 1.0f,
            .delay = 0.0f};
}

TEST(MessageQueue, NoticeHoldsOneSecondThenFadesInTenUpdates) {
    MessageQueue q;
    q.post(notice("FPS ON"));
    int updates = 0;
    while (q.front().alpha == 1.0f) {
        q.update(TICK);
        ++updates;
    }
    // Thirty updates spend the hold time; the next one is the first fade.
    EXPECT_EQ(updates, 31);
    int fades = 1;
    while (q.front().alpha > 0.0f) {
        q.update(TICK);
        ++fades;
    }
    EXPECT_GE(fades, 10);
    EXPECT_LE(fades, 11);
    q.update(TICK);
    EXPECT_TRUE(q.empty());
    // Fades count updates, not seconds: a long frame takes off one step only.
    MessageQueue slow;
    slow.post({.alpha = 1.0f, .fade_step = 0.1f, .text = "slow", .hold_time = 0.0f});
    slow.update(5.0f);
    EXPECT_FLOAT_EQ(slow.front().alpha, 0.9f);
}

TEST(MessageQueue, OneStepPerUpdateAndOnlyTheFrontMessage) {
    MessageQueue q;
    q.update(TICK); // an empty queue does nothing
    q.post({.alpha = 1.0f, .fade_step = 0.5f, .text = "first", .hold_time = 0.1f, .delay = 0.1f});
    q.post({.text = "second", .hold_time = 1.0f, .delay = 0.0f});
    struct Step {
        float delay, hold, alpha;
    };
    const Step expected[] = {{0.05f, 0.1f, 1.0f}, {0.0f, 0.1f, 1.0f}, {0.0f, 0.05f, 1.0f},
                             {0.0f, 0.0f, 1.0f},  {0.0f, 0.0f, 0.5f}, {0.0f, 0.0f, 0.0f}};
    for (const Step& e : expected) {
        q.update(0.05f);
        ASSERT_EQ(q.front().text, "first");
        EXPECT_NEAR(q.front().delay, e.delay, 1e-6f);
        EXPECT_NEAR(q.front().hold_time, e.hold, 1e-6f);
        EXPECT_NEAR(q.front().alpha, e.alpha, 1e-6f);
        EXPECT_FLOAT_EQ(q.back().hold_time, 1.0f) << "the second message waits untouched";
    }
    q.update(0.05f);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_EQ(q.front().text, "second");
}

TEST(MessageQueue, ShownOnlyAfterTheDelay) {
    MessageQueue q;
    EXPECT_EQ(q.shown(), nullptr);
    q.post({.text = "later", .hold_time = 1.0f, .delay = 0.1f});
    EXPECT_EQ(q.shown(), nullptr);
    q.update(0.05f);
    EXPECT_EQ(q.shown(), nullptr);
    q.update(0.05f);
    ASSERT_NE(q.shown(), nullptr);
    EXPECT_EQ(q.shown()->text, "later");
}

TEST(MessageQueue, NoticesInQuickSuccessionShowOneAfterAnother) {
    MessageQueue q;
    for (const char* t : {"FPS ON", "MipMaps ON", "Display Lists ON"})
        q.post(notice(t));
    std::vector<std::string> seen;
    float first_shown_at[3] = {};
    float t = 0;
    while (!q.empty()) {
        if (const ScreenMessage* m = q.shown(); m && (seen.empty() || seen.back() != m->text)) {
            first_shown_at[seen.size()] = t;
            seen.push_back(m->text);
        }
        q.update(TICK);
        t += TICK;
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"FPS ON", "MipMaps ON", "Display Lists ON"}));
    // Each waits for the one before to hold for a second and fade.
    EXPECT_NEAR(first_shown_at[1] - first_shown_at[0], 1.4f, 0.1f);
    EXPECT_NEAR(first_shown_at[2] - first_shown_at[1], 1.4f, 0.1f);
}

TEST(MessageQueue, TwoQueuesRunSideBySide) {
    MessageQueue notices, alerts;
    notices.post(notice("Godmode toggle"));
    alerts.post({.alpha = 1.0f,
                 .fade_step = 0.1f,
                 .text = "You are dead!",
                 .x = 0.05f,
                 .y = 0.8f,
                 .hold_time = 4.0f,
                 .delay = 0.0f});
    for (int i = 0; i < 10; ++i) {
        notices.update(TICK);
        alerts.update(TICK);
    }
    ASSERT_NE(notices.shown(), nullptr);
    ASSERT_NE(alerts.shown(), nullptr);
    EXPECT_EQ(alerts.shown()->text, "You are dead!");
    EXPECT_NEAR(alerts.front().hold_time, 4.0f - 10 * TICK, 1e-4f);
}

// The glyph table as the font reads it, checked against an independent listing:
// per picture row, each glyph as character, left edge and width.
TEST(GlyphTable, MatchesTheFontLayout) {
    const char* rows[] = {
        "47: _SP 0 15; ! 15 8; . 23 8; - 31 16; : 49 8; ? 57 27; _ 84 17; + 102 18",
        "98: 0 0 27; 1 27 12; 2 39 23; 3 62 25; 4 87 24; 5 111 23; 6 134 23; 7 157 22; 8 179 "
        "22; 9 201 24",
        "146: A 0 40; B 40 34; C 74 41; D 115 43; E 158 42; F 200 28; G 228 41; H 269 37; I 306 "
        "29; J 335 24; K 359 34; L 393 30; M 423 50",
        "196: N 0 43; O 43 43; P 86 41; Q 127 45; R 172 35; S 207 33; T 240 42; U 282 37; V 319 "
        "39; W 358 61; X 419 43",
        "245: Y 0 42; Z 42 33",
        "294: a 0 27; b 27 23; c 50 23; d 73 25; e 98 23; f 121 14; g 135 27; h 162 24; i 186 "
        "11; j 197 11; k 208 23; l 231 10; m 241 34; n 275 24; o 299 26; p 325 24; q 349 25; r "
        "374 15; s 389 19; t 408 12; u 420 24; v 444 24",
        "343: w 0 33; x 33 19; y 51 21; z 72 19",
    };
    Font font;
    font.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
    EXPECT_EQ(font.glyph_height, 47);
    EXPECT_EQ(font.values_per_glyph, 5);
    int listed = 0;
    for (const char* row : rows) {
        std::istringstream in(row);
        int tex_y;
        char colon;
        in >> tex_y >> colon;
        std::string name;
        int tex_x, width;
        while (in >> name >> tex_x >> width) {
            if (!name.empty() && name.back() == ';') name.pop_back();
            const char c = name == "_SP" ? ' ' : name[0];
            SCOPED_TRACE(std::string(1, c));
            const Glyph* g = font.glyph(c);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->tex_x, tex_x);
            EXPECT_EQ(g->tex_y, tex_y);
            EXPECT_EQ(g->width, width);
            EXPECT_EQ(g->advance, width);
            EXPECT_EQ(g->x_offset, c == 'X' ? -2 : 0);
            ++listed;
            in >> std::ws;
            if (in.peek() == ';') in.get();
        }
    }
    EXPECT_EQ(listed, 70);
    int present = 0;
    for (const Glyph& g : font.glyphs)
        present += g.present;
    EXPECT_EQ(present, 70);
    EXPECT_EQ(font.glyph(','), nullptr);
    EXPECT_EQ(font.glyph('\xE4'), nullptr);
}

TEST(GlyphTable, ReadingStopsAtTheMarkerAndAtTheEndOfTheList) {
    const int16_t short_list[] = {40, 5, 'A', 1, 2, 3, 0, 3, 'B', 4, 5}; // B is cut off
    Font font;
    font.load_glyph_table(short_list, std::size(short_list));
    EXPECT_EQ(font.glyph_height, 40);
    ASSERT_NE(font.glyph('A'), nullptr);
    EXPECT_EQ(font.glyph('B'), nullptr);

    const int16_t marked[] = {
        GLYPH_TABLE_END, GLYPH_TABLE_END, 'A', 1, 2, 3, 0, 3, GLYPH_TABLE_END, 'B', 1, 2, 3, 0, 3};
    Font defaults;
    defaults.load_glyph_table(marked, std::size(marked));
    EXPECT_EQ(defaults.glyph_height, 47) << "a marker keeps the default";
    EXPECT_EQ(defaults.values_per_glyph, 5);
    EXPECT_NE(defaults.glyph('A'), nullptr);
    EXPECT_EQ(defaults.glyph('B'), nullptr) << "the marker in a code position ends the list";

    const int16_t bad_codes[] = {47, 5, -5, 1, 2, 3, 0, 3, 300, 1, 2, 3, 0, 3, 'C', 9, 9, 9, 0, 9};
    Font skipping;
    skipping.load_glyph_table(bad_codes, std::size(bad_codes));
    ASSERT_NE(skipping.glyph('C'), nullptr);
    EXPECT_EQ(skipping.glyph('C')->tex_x, 9);
}

Font table_font(float tw = 512, float th = 512) {
    Font f;
    f.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
    f.texture_width = tw;
    f.texture_height = th;
    return f;
}

std::vector<GlyphQuad> lay_out(const Font& f, std::string_view text, float x, float y) {
    std::vector<GlyphQuad> quads;
    f.layout_text(text, x, y, [&](const GlyphQuad& q) { quads.push_back(q); });
    return quads;
}

TEST(TextLayout, TabStopsAreMultiplesOfSeventy) {
    struct Case {
        float pen, stop;
    };
    for (Case c : {Case{100, 140}, Case{140, 210}, Case{0, 70}, Case{69.5f, 70}, Case{70, 140}})
        EXPECT_FLOAT_EQ(tab_stop(c.pen), c.stop) << c.pen;
    const Font f = table_font();
    // x 100/1024 puts the pen at 100; the tab takes it to 140.
    auto q = lay_out(f, "\tA", 100.0f / 1024.0f, 0.5f);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_FLOAT_EQ(q[0].left, 140.0f);
    EXPECT_FLOAT_EQ(q[0].right, 180.0f);
}

TEST(TextLayout, LineFeedsReturnToTheLineStartFiftyFourPointsLower) {
    const Font f = table_font();
    auto q = lay_out(f, "AB\nC\n\nX", 0.1f, 0.37f);
    ASSERT_EQ(q.size(), 4u);
    const float x0 = 0.1f * 1024.0f, y0 = 0.37f * 768.0f;
    EXPECT_FLOAT_EQ(q[0].left, x0);
    EXPECT_FLOAT_EQ(q[0].baseline, y0);
    EXPECT_FLOAT_EQ(q[0].top, y0 - 47.0f);
    EXPECT_FLOAT_EQ(q[1].left, x0 + 40.0f); // after the advance of "A"
    EXPECT_FLOAT_EQ(q[2].left, x0);
    EXPECT_FLOAT_EQ(q[2].baseline, y0 + 54.0f);
    // "X" has its left edge two points left of the pen, its right edge at pen + width.
    EXPECT_FLOAT_EQ(q[3].baseline, y0 + 3 * 54.0f);
    EXPECT_FLOAT_EQ(q[3].left, x0 - 2.0f);
    EXPECT_FLOAT_EQ(q[3].right, x0 + 43.0f);
}

TEST(TextLayout, TextureCoordinatesCountRowsFromTheTop) {
    const Font f = table_font(512, 384);
    auto q = lay_out(f, "W", 0, 0);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_FLOAT_EQ(q[0].s_left, 358.0f / 512.0f);
    EXPECT_FLOAT_EQ(q[0].s_right, (358.0f + 61.0f) / 512.0f);
    EXPECT_FLOAT_EQ(q[0].t_baseline, (384.0f - 196.0f) / 384.0f);
    EXPECT_FLOAT_EQ(q[0].t_top, (384.0f - 196.0f + 47.0f) / 384.0f);
}

TEST(TextLayout, CharactersWithoutGlyphsAreSkippedWithoutMovingThePen) {
    const Font f = table_font();
    auto q = lay_out(f,
                     "a,\x01\xFF"
                     "b",
                     0, 0);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_FLOAT_EQ(q[1].left, 27.0f);
}

TEST(Hud, NumbersAreSignedDecimal) {
    EXPECT_EQ(hud_hit_points_text(-1), "HP: -1");
    EXPECT_EQ(hud_hit_points_text(45), "HP: 45");
    EXPECT_EQ(hud_fps_text(100), "FPS: 100");
}

} // namespace
