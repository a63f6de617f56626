#include "bankbuilder/pipeline.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/list_file.h"
#include "bankbuilder/paths.h"
#include "soundlib/zelvo.h"

int32_t memory_budget(int32_t platform, int32_t format) {
    switch (platform) {
    case PLATFORM_PS2:
        if (format == FORMAT_VAG)
            return 0x1FF800 - (build_settings.reverb_core0 ? 0x20000 : 0) -
                   (build_settings.reverb_core1 ? 0x20000 : 0);
        return 0x200000;
    case PLATFORM_GAMECUBE:
        return 0xFFBF00;
    case PLATFORM_XBOX:
        return 0x800000;
    default:
        return -1;
    }
}

std::string kb_text(int value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%8d kb", value);
    return buf;
}

void show_memory_budget(Reporter& reporter, int32_t platform, int32_t format) {
    build_state.memory_budget = memory_budget(platform, format);
    int32_t budget = build_state.memory_budget;
    reporter.set_budget_text(kb_text(budget < 0 ? 0 : budget / 1024));
    reporter.set_memory_bar_range(budget);
    reporter.set_memory_bar(0, false);
    reporter.set_busy_bar(100, 100);
}

namespace {
// Values of the first file that loads in a bank: the mixing checks compare against them, and an
// interleaved bank's header takes its attributes from them.
struct FirstFile {
    bool set = false;
    uint32_t mode = 0;
    int frequency = 0, volume = 0, pan = 0, priority = 0;
};

int channels_of(uint32_t mode) {
    return (mode & WVC_MODE_STEREO) ? 2 : (mode & WVC_MODE_MONO) ? 1 : 0;
}

// The encoder for the current platform and format: skip_silently when the platform's library
// is missing, null when the format has no encoder here.
EncoderFunction choose_encoder(const EncoderTable& encoders, bool& skip_silently) {
    int32_t platform = build_settings.platform, format = build_settings.format;
    skip_silently = !platform_available(platform);
    if (skip_silently) return nullptr;
    switch (platform) {
    case PLATFORM_PS2:
        return format == FORMAT_VAG ? encoders.vag : format == FORMAT_PCM ? encoders.pcm : nullptr;
    case PLATFORM_GAMECUBE:
        return format == FORMAT_GCADPCM ? encoders.dsp_adpcm
               : format == FORMAT_PCM   ? encoders.pcm
                                        : nullptr;
    case PLATFORM_XBOX:
        return format == FORMAT_XADPCM ? encoders.ima_adpcm
               : format == FORMAT_PCM  ? encoders.pcm
                                       : nullptr;
    case PLATFORM_CROSS:
        return format == FORMAT_PCM         ? encoders.pcm
               : format == FORMAT_IMA_ADPCM ? encoders.ima_adpcm
               : format == FORMAT_SOURCE    ? encoders.source
                                            : nullptr;
    default:
        return nullptr;
    }
}

bool is_dsp_build() {
    return build_settings.platform == PLATFORM_GAMECUBE && build_settings.format == FORMAT_GCADPCM;
}

void show_warning_window(Reporter& reporter, const std::vector<std::string>& warnings) {
    if (warnings.empty()) return;
    reporter.begin_warnings();
    for (const std::string& w : warnings)
        reporter.add_warning(w);
    reporter.show_warnings();
}

// Total channels of an interleaved bank: every entry opened as a stream, 2 for stereo, 1
// otherwise.
int32_t count_interleave_channels(const std::vector<std::string>& list) {
    int32_t total = 0;
    for (const std::string& path : list) {
        ZVOICE_STREAM stream = ZVOICE_Stream_Open(path.c_str(), 0x130, 0, 0);
        uint32_t mode = 0;
        if (stream) {
            ZVOICE_SAMPLE sample = ZVOICE_Stream_GetSample(stream);
            if (sample) mode = ZVOICE_Sample_GetMode(sample);
            ZVOICE_Stream_Close(stream);
        }
        total += (mode & WVC_MODE_STEREO) ? 2 : 1;
    }
    return total;
}
} // namespace

bool process_files(Reporter& reporter, const EncoderTable& encoders,
                   const std::vector<std::string>& list, int first, int count, BankFiles& files,
                   WvcFileHeader& header, std::vector<std::string>& warnings,
                   std::string& message) {
    const int32_t mode = build_settings.build_mode;
    const bool interleaved = mode == BUILD_INTERLEAVED;
    const bool dsp = is_dsp_build();
    if (interleaved) {
        build_state.interleave_channels = count_interleave_channels(list);
        build_state.interleave_offset = 0;
    }
    dsp_adpcm_records.assign(interleaved ? size_t(std::max(build_state.interleave_channels, 0)) : 0,
                             DspAdpcmInfo{});
    WvcSampleHeader record{};
    reporter.set_current_size_text(kb_text(0));

    FirstFile first_file;
    bool any_encoded = false;
    int64_t data_size = header.data_size;
    uint32_t longest = 0;

    for (int k = first; k < first + count && k < int(list.size()); ++k) {
        if (build_state.cancel_requested) break;
        const std::string& path = list[size_t(k)];
        reporter.select_file(k);
        ZVOICE_SAMPLE sample = ZVOICE_Sample_Load(-1, path.c_str(), 0, 0, 0);
        if (!sample) {
            warnings.push_back(path + " - file not found");
            ZVOICE_Sample_Free(sample);
            continue;
        }
        // A small header only ever follows a full one: the reader takes every attribute of
        // the later samples from the first header of the bank.
        bool small = build_settings.basic_headers && mode == BUILD_SINGLE && any_encoded;
        int header_size = small ? WVC_SMALL_SAMPLE_HEADER_SIZE : WVC_SAMPLE_HEADER_SIZE;

        uint32_t sample_mode = ZVOICE_Sample_GetMode(sample);
        int frequency = 0, volume = 0, pan = 0, priority = 0, loop_start = 0, loop_end = 0;
        ZVOICE_Sample_GetDefaults(sample, &frequency, &volume, &pan, &priority);
        ZVOICE_Sample_GetLoopPoints(sample, &loop_start, &loop_end);
        if (!first_file.set)
            first_file = FirstFile{true, sample_mode, frequency, volume, pan, priority};

        bool stereo = sample_mode & WVC_MODE_STEREO,
             first_stereo = first_file.mode & WVC_MODE_STEREO;
        if (mode == BUILD_SINGLE && stereo != first_stereo)
            warnings.push_back(path +
                               " - ERROR! - cannot mix stereo and mono files in an WVC file");
        bool eight = sample_mode & WVC_MODE_8BITS, first_eight = first_file.mode & WVC_MODE_8BITS;
        if (eight != first_eight) {
            warnings.push_back(path + " - ERROR! - cannot mix 8 and 16bit files in an WVC file");
            ZVOICE_Sample_Free(sample);
            continue;
        }
        if (interleaved && frequency != first_file.frequency) {
            warnings.push_back(path + " - ERROR! - cannot mix sample rates (ie "
                                      "44khz,22khz,11khz) an interleaved WVC file!");
            ZVOICE_Sample_Free(sample);
            continue;
        }

        bool skip_silently = false;
        EncoderFunction encode = choose_encoder(encoders, skip_silently);
        if (!encode) {
            if (!skip_silently)
                warnings.push_back(path + " - ERROR! - Format not supported on this platform yet!");
            ZVOICE_Sample_Free(sample);
            continue;
        }
        // Each channel of a DSP ADPCM sample carries its parameter record after the header.
        int dsp_channels = 0;
        if (dsp) {
            dsp_channels = interleaved ? build_state.interleave_channels
                                       : std::max(channels_of(sample_mode), 1);
            header_size += WVC_DSP_INFO_SIZE * dsp_channels;
            if (!interleaved) dsp_adpcm_records.assign(size_t(dsp_channels), DspAdpcmInfo{});
        }

        uint32_t bytes = 0, frames = 0;
        bool encoded = encode(path, sample, files.working, bytes, frames, warnings);
        if (std::ferror(files.working)) {
            message = write_error_message(files.working_path);
            ZVOICE_Sample_Free(sample);
            return false;
        }
        if (!encoded) {
            ZVOICE_Sample_Free(sample);
            continue;
        }

        if (interleaved) {
            header.num_samples = 1;
            if (!any_encoded) header.sample_headers_size = header_size;
            data_size = std::max<int64_t>(data_size, bytes);
        } else {
            header.num_samples += 1;
            header.sample_headers_size += header_size;
            data_size += bytes;
        }
        if (data_size > INT32_MAX) {
            message = "The bank's sample data would exceed 2 GB: \"" + path + "\" was not added";
            ZVOICE_Sample_Free(sample);
            return false;
        }
        header.data_size = int32_t(data_size);
        reporter.set_current_size_text(kb_text(header.data_size / 1024));
        if (build_state.memory_budget > 0)
            reporter.set_memory_bar(header.data_size, header.data_size > build_state.memory_budget);

        fill_name_field(record.name, path_file_name(path));
        if (interleaved) {
            const FirstFile& f = first_file;
            record.size = uint16_t(header_size);
            record.mode =
                bank_mode_word(f.mode, build_settings.platform, build_settings.format, true);
            record.default_frequency = f.frequency;
            record.default_volume = uint16_t(f.volume);
            record.default_pan = int16_t(f.pan);
            record.default_priority = uint16_t(f.priority);
            record.num_channels = uint16_t(build_state.interleave_channels);
            if (!any_encoded || frames > longest) {
                longest = frames;
                record.length_samples = frames;
                record.length_bytes = bytes;
                record.loop_start = uint32_t(loop_start);
                record.loop_end = uint32_t(loop_end);
            }
            std::fseek(files.bank, WVC_FILE_HEADER_SIZE, SEEK_SET);
            write_sample_header(files, record, false);
            if (dsp)
                write_dsp_records(files, dsp_adpcm_records.data(),
                                  std::min<int>(dsp_channels, int(dsp_adpcm_records.size())));
        } else {
            record.size = uint16_t(header_size);
            record.length_samples = frames;
            record.length_bytes = bytes;
            record.loop_start = uint32_t(loop_start);
            record.loop_end = uint32_t(loop_end);
            record.mode =
                bank_mode_word(sample_mode, build_settings.platform, build_settings.format, false);
            record.default_frequency = frequency;
            record.default_volume = uint16_t(volume);
            record.default_pan = int16_t(pan);
            record.default_priority = uint16_t(priority);
            record.num_channels = uint16_t(channels_of(sample_mode));
            write_sample_header(files, record, small);
            if (dsp) {
                if (dsp_adpcm_records.size() < size_t(dsp_channels))
                    dsp_adpcm_records.resize(size_t(dsp_channels));
                append_dsp_records(files, dsp_adpcm_records.data(), dsp_channels);
            }
        }
        write_define(files, record.name, k - first);
        any_encoded = true;
        ZVOICE_Sample_Free(sample);
        if (!files.failed_path.empty()) {
            message = write_error_message(files.failed_path);
            return false;
        }
    }
    return true;
}

namespace {
bool is_regular_file(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void make_directory(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
}
} // namespace

int run_build(Reporter& reporter, const EncoderTable& encoders) {
    build_state.building = true;
    reporter.set_building(true);
    std::string source = build_settings.source_path;
    const std::string dest = build_settings.dest_path;
    const int32_t mode = build_settings.build_mode;
    reporter.clear_file_list();

    int result = 1;
    std::vector<std::string> list;
    std::vector<std::string> build_warnings; // multiple mode: shown once, after the last bank
    bool added = build_settings.use_file_list ? collect_from_list_file(reporter, source, list)
                                              : collect_from_directory(reporter, source, list);
    auto end_build = [&]() {
        reporter.set_build_button_text("Build");
        reporter.set_building(false);
        build_state.building = false;
        reporter.build_ended();
        return result;
    };
    if (build_state.cancel_requested) return end_build();
    if (!added) {
        reporter.warning_box(ERROR_CAPTION, "No files to process!");
        return end_build();
    }

    int banks = 1;
    if (mode == BUILD_MULTIPLE) {
        if (is_regular_file(dest)) {
            reporter.warning_box(ERROR_CAPTION,
                                 "\"" + dest +
                                     "\" is an existing file. The specified build mode requires "
                                     "a destination directory, not a file.");
            return end_build();
        }
        banks = int(list.size());
        make_directory(dest);
    }

    const bool dsp = is_dsp_build();
    const bool gamecube = build_settings.platform == PLATFORM_GAMECUBE;
    for (int i = 0; i < banks; ++i) {
        std::string base = dest;
        if (mode == BUILD_MULTIPLE) {
            std::string relative;
            base = multiple_bank_base(dest, source, list[size_t(i)],
                                      build_settings.rebuild_tree && !build_settings.use_file_list,
                                      relative);
            if (!relative.empty()) make_directory(dest + "/" + relative);
        }
        BankFiles files;
        std::string message;
        if (!begin_bank(base, dsp, files, message)) {
            reporter.warning_box(ERROR_CAPTION, message);
            return end_build();
        }
        dsp_debug_file = files.debug;

        WvcFileHeader header{};
        std::copy_n("WVC3", 4, header.id);
        header.version = WVC_VERSION;
        std::vector<std::string> bank_warnings;
        std::vector<std::string>& warnings =
            mode == BUILD_MULTIPLE ? build_warnings : bank_warnings;
        bool ok = process_files(reporter, encoders, list, mode == BUILD_MULTIPLE ? i : 0,
                                mode == BUILD_MULTIPLE ? 1 : int(list.size()), files, header,
                                warnings, message);
        if (!ok) {
            dsp_debug_file = nullptr;
            close_bank_files(files);
            std::remove(files.working_path.c_str());
            std::remove(files.bank_path.c_str());
            std::remove(files.header_path.c_str());
            reporter.warning_box(ERROR_CAPTION, message);
            return end_build();
        }
        if (!build_state.cancel_requested && mode != BUILD_MULTIPLE)
            show_warning_window(reporter, bank_warnings);

        int32_t format = build_settings.format;
        if (format == FORMAT_SOURCE || format == FORMAT_OGG || format == FORMAT_MP3)
            header.flags |= WVC_FLAG_SOURCE_FORMAT;
        if (build_settings.basic_headers && mode == BUILD_SINGLE)
            header.flags |= WVC_FLAG_BASIC_HEADERS;
        dsp_debug_file = nullptr;
        if (!finish_bank(files, header, gamecube, message)) {
            reporter.warning_box(ERROR_CAPTION, message);
            return end_build();
        }
        if (build_state.cancel_requested) break;
    }
    if (!build_state.cancel_requested) show_warning_window(reporter, build_warnings);
    // A cancelled build leaves consistent banks, but not every bank that was asked for.
    result = build_state.cancel_requested ? 1 : 0;
    return end_build();
}
