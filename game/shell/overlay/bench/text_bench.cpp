// How long the overlay's per-frame work takes: laying out the longest screen text, a
// message-queue update, a menu animation step, and (with a display) drawing the story
// text and the whole main menu in a real GL context.
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/glyph_table.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/screens.h"
#include "game/shell/overlay/tests/gl_window.h"

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

Font table_font() {
    Font f;
    f.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
    f.texture_width = f.texture_height = 512;
    return f;
}

void layout_story_text(benchmark::State& state) {
    const Font font = table_font();
    const std::size_t length = std::strlen(STORY_TEXT);
    for (auto _ : state) {
        float sum = 0;
        font.layout_text(STORY_TEXT, 0.1f, 0.37f, [&](const GlyphQuad& q) { sum += q.right; });
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * length));
}
BENCHMARK(layout_story_text);

void message_update(benchmark::State& state) {
    MessageQueue q;
    for (auto _ : state) {
        if (q.empty())
            for (int i = 0; i < 64; ++i)
                q.post({.alpha = 1.0f, .fade_step = 0.5f, .text = "FPS ON", .hold_time = 0.0f});
        q.update(1.0f / 30.0f);
    }
}
BENCHMARK(message_update);

void menu_animate_and_hover(benchmark::State& state) {
    Menu m;
    m.max_scale = menu_full_scale();
    m.add_button(0.8f, 0.55f, 0.3f, 0.35f, 0.05f, 0.105f, 1);
    m.add_button(0.8f, 0.75f, 0.3f, 0.35f, 0.01f, 0.105f, 2);
    int x = 0;
    for (auto _ : state) {
        m.hover(x, 420, 1024, 768);
        m.animate();
        x = (x + 37) % 1024;
    }
    benchmark::DoNotOptimize(m.buttons[0].scale);
}
BENCHMARK(menu_animate_and_hover);

// Drawing needs a window: these run only with a display (scripts/with-xvfb.sh).
GLuint white_font_texture() {
    std::vector<uint8_t> px(512 * 512 * 4, 255);
    return make_texture(512, 512, px);
}

void draw_story_text(benchmark::State& state) {
    open_test_window(1024, 768);
    Font font = table_font();
    font.texture = white_font_texture();
    for (auto _ : state) {
        start_frame(1024, 768);
        font.draw_text(STORY_TEXT, 0.1f, 0.37f, 1.0f, 1024, 768);
        glFinish();
    }
}

void draw_main_menu(benchmark::State& state) {
    open_test_window(1024, 768);
    std::vector<uint8_t> px(256 * 256 * 4, 90);
    Menu m;
    m.background = make_texture(256, 256, px);
    m.add_button(0.8f, 0.55f, 0.3f, 0.35f, 0.05f, 0.105f, make_texture(256, 256, px));
    m.add_button(0.8f, 0.75f, 0.3f, 0.35f, 0.01f, 0.105f, make_texture(256, 256, px));
    for (auto _ : state) {
        start_frame(1024, 768);
        m.draw_background(1024, 768);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        m.draw_buttons(1024, 768);
        glDisable(GL_BLEND);
        glFinish();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY")) {
        benchmark::RegisterBenchmark("draw_story_text_1024x768", draw_story_text)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("draw_main_menu_1024x768", draw_main_menu)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
