// The platform and format tables, the selection rule, and the settings store's round trip.
#include <QSettings>
#include <gtest/gtest.h>

#include "bankbuilder/settings_store.h"
#include "test_support.h"

namespace {

struct Libraries {
    EncoderLibraries saved = encoder_libraries;
    Libraries(bool vag, bool dsp, bool xdk) { encoder_libraries = {vag, dsp, xdk}; }
    ~Libraries() { encoder_libraries = saved; }
};

TEST(Settings, FormatTableAndNames) {
    EXPECT_TRUE(format_allowed(PLATFORM_PS2, FORMAT_VAG));
    EXPECT_FALSE(format_allowed(PLATFORM_PS2, FORMAT_GCADPCM));
    EXPECT_TRUE(format_allowed(PLATFORM_CROSS, FORMAT_SOURCE));
    for (int p = -1; p <= PLATFORM_COUNT; ++p) {
        EXPECT_FALSE(format_allowed(p, FORMAT_OGG));
        EXPECT_FALSE(format_allowed(p, FORMAT_MP3));
        EXPECT_FALSE(format_allowed(p, -1)) << "the row terminator is no format";
    }
    EXPECT_EQ(platform_format_list(PLATFORM_CROSS),
              (std::vector<int32_t>{FORMAT_PCM, FORMAT_IMA_ADPCM, FORMAT_SOURCE}));
    EXPECT_STREQ(format_name(PLATFORM_PS2, FORMAT_PCM), "PCM (IOP) (1:1)");
    EXPECT_STREQ(format_name(PLATFORM_CROSS, FORMAT_PCM), "PCM (1:1)");
    EXPECT_STREQ(format_name(PLATFORM_CROSS, 99), "");
    EXPECT_STREQ(platform_name(PLATFORM_CROSS), "Cross-platform");
}

TEST(Settings, AvailabilityAndSelection) {
    Libraries none(false, false, false);
    EXPECT_EQ(available_platforms(), std::vector<int32_t>{PLATFORM_CROSS});
    // A platform that is not offered gives way to the first one offered, whose row then
    // decides the format.
    BuildSettings s;
    s.platform = PLATFORM_PS2;
    s.format = FORMAT_VAG;
    ASSERT_TRUE(select_platform_and_format(s));
    EXPECT_EQ(s.platform, PLATFORM_CROSS);
    EXPECT_EQ(s.format, FORMAT_PCM);

    Libraries dsp(false, true, true);
    s.platform = PLATFORM_PS2;
    s.format = FORMAT_PCM;
    select_platform_and_format(s);
    EXPECT_EQ(s.platform, PLATFORM_GAMECUBE);
    EXPECT_EQ(s.format, FORMAT_PCM) << "PCM is in the GameCube row too";
    s.platform = PLATFORM_XBOX;
    s.format = 77; // garbage from a settings file
    select_platform_and_format(s);
    EXPECT_EQ(s.platform, PLATFORM_XBOX);
    EXPECT_EQ(s.format, FORMAT_XADPCM);
}

TEST(Settings, InterleaveGate) {
    struct Case {
        int32_t platform, format;
        bool allowed;
    } cases[] = {
        {PLATFORM_PS2, FORMAT_VAG, true},          {PLATFORM_PS2, FORMAT_PCM, true},
        {PLATFORM_GAMECUBE, FORMAT_GCADPCM, true}, {PLATFORM_XBOX, FORMAT_XADPCM, true},
        {PLATFORM_CROSS, FORMAT_PCM, true},        {PLATFORM_CROSS, FORMAT_IMA_ADPCM, false},
        {PLATFORM_CROSS, FORMAT_SOURCE, false},    {PLATFORM_PS2, FORMAT_GCADPCM, false}};
    for (const Case& c : cases)
        EXPECT_EQ(interleave_allowed(c.platform, c.format), c.allowed) << c.platform << c.format;
}

// QSettings keeps its files under XDG_CONFIG_HOME, pointed at a temporary folder here.
class SettingsStore : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", tmp.path().c_str(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(tmp.path()));
    }
};

TEST_F(SettingsStore, FirstRunKeepsStartValues) {
    BuildSettings s;
    s.source_path = "keep";
    load_settings(s);
    EXPECT_EQ(s.source_path, "keep");
    EXPECT_EQ(s.platform, PLATFORM_PS2);
    EXPECT_EQ(s.build_mode, BUILD_SINGLE);
}

TEST_F(SettingsStore, RoundTripOfTheEightValues) {
    BuildSettings out;
    out.source_path = std::string(300, 'a') + "/Sounds Ü"; // longer than 255: kept whole
    out.dest_path = "/tmp/bank.wvc";
    out.build_mode = BUILD_MULTIPLE;
    out.rebuild_tree = true;
    out.use_file_list = true;
    out.platform = PLATFORM_XBOX;
    out.format = FORMAT_XADPCM;
    out.basic_headers = true;
    out.reverb_core0 = false; // never saved
    save_settings(out);

    BuildSettings in;
    load_settings(in);
    EXPECT_EQ(in.source_path, out.source_path);
    EXPECT_EQ(in.dest_path, out.dest_path);
    EXPECT_EQ(in.build_mode, BUILD_MULTIPLE);
    EXPECT_TRUE(in.rebuild_tree);
    EXPECT_TRUE(in.use_file_list);
    EXPECT_EQ(in.platform, PLATFORM_XBOX);
    EXPECT_EQ(in.format, FORMAT_XADPCM);
    EXPECT_TRUE(in.basic_headers);
    EXPECT_TRUE(in.reverb_core0);

    // The values are plain integers and texts under the same names.
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Zelvo Sample Bank Builder",
                  "wavecrate");
    raw.beginGroup("Settings");
    EXPECT_EQ(raw.value("buildmode").toInt(), 1);
    EXPECT_EQ(raw.value("openfilelist").toInt(), 1);
    EXPECT_EQ(raw.value("basicheaders").toInt(), 1);
}

TEST_F(SettingsStore, MissingAndBadValues) {
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Zelvo Sample Bank Builder",
                      "wavecrate");
        raw.beginGroup("Settings");
        raw.setValue("buildmode", 9);
        raw.setValue("format", "junk");
    }
    BuildSettings s;
    s.build_mode = BUILD_MULTIPLE;
    s.platform = PLATFORM_XBOX;
    s.format = FORMAT_PCM;
    s.dest_path = "kept";
    load_settings(s);
    EXPECT_EQ(s.build_mode, BUILD_MULTIPLE) << "an unknown mode is ignored";
    EXPECT_EQ(s.platform, 0) << "an absent platform reads as 0";
    EXPECT_EQ(s.format, 0);
    EXPECT_EQ(s.dest_path, "kept");
}

} // namespace
