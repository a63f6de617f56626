// The three outputs. The null and WAV outputs run their own thread that pulls the mixer at real
// time, so sounds end and songs advance exactly as they would on a device.
#include "soundlib/output.h"

#include <SDL2/SDL.h>

#include <dlfcn.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace zelvo {

void write_wav_header(unsigned char h[44], int rate, uint32_t data_bytes) {
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            h[at + i] = uint8_t(v >> (8 * i));
    };
    auto put16 = [&](int at, uint16_t v) {
        h[at] = uint8_t(v);
        h[at + 1] = uint8_t(v >> 8);
    };
    std::memcpy(h, "RIFF", 4);
    put32(4, 36 + data_bytes);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1); // PCM
    put16(22, 2);
    put32(24, uint32_t(rate));
    put32(28, uint32_t(rate) * 4);
    put16(32, 4);
    put16(34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(40, data_bytes);
}

namespace {

// Pulls 10 ms blocks from the mixer at the pace of the wall clock.
class PacedOutput : public Output {
  public:
    explicit PacedOutput(Mixer& mixer) : mixer_(mixer), block_(mixer.rate() / 100) {}
    ~PacedOutput() override { stop(); }
    void start() {
        thread_ = std::thread([this] { run(); });
    }
    void stop() override {
        {
            std::lock_guard guard(wake_mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

  protected:
    virtual void consume(const int16_t* frames, int count) = 0;

  private:
    void run() {
        std::vector<int16_t> buffer(size_t(block_) * 2);
        auto period = std::chrono::microseconds(1000000LL * block_ / mixer_.rate());
        auto next = std::chrono::steady_clock::now();
        std::unique_lock lock(wake_mutex_);
        while (!stopping_) {
            lock.unlock();
            mixer_.render_s16(buffer.data(), block_);
            consume(buffer.data(), block_);
            lock.lock();
            next += period;
            auto now = std::chrono::steady_clock::now();
            // After a long stall (a debugger, a suspended process) do not race to catch up.
            if (now - next > std::chrono::milliseconds(200)) next = now;
            wake_.wait_until(lock, next, [this] { return stopping_; });
        }
    }

    Mixer& mixer_;
    int block_;
    std::thread thread_;
    std::mutex wake_mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};

class NullOutput : public PacedOutput {
  public:
    using PacedOutput::PacedOutput;
    const char* name() const override { return "null"; }

  protected:
    void consume(const int16_t*, int) override {}
};

// The header is rewritten after every block, so the file is a valid WAV file at every moment,
// even if the process dies without running its exit handlers.
class WavOutput : public PacedOutput {
  public:
    WavOutput(Mixer& mixer, FILE* file) : PacedOutput(mixer), file_(file), rate_(mixer.rate()) {
        unsigned char header[44];
        write_wav_header(header, rate_, 0);
        std::fwrite(header, 1, 44, file_);
        std::fflush(file_);
    }
    ~WavOutput() override { stop(); }
    void stop() override {
        PacedOutput::stop();
        if (file_) {
            std::fclose(file_);
            file_ = nullptr;
        }
    }
    const char* name() const override { return "wav"; }

  protected:
    void consume(const int16_t* frames, int count) override {
        size_t bytes = size_t(count) * 4;
        // Little-endian host assumed, as for every platform this runs on.
        if (std::fwrite(frames, 1, bytes, file_) != bytes) return;
        if (data_bytes_ + bytes > 0xFFFFFFF0u - 36) return; // keep the RIFF sizes valid
        data_bytes_ += uint32_t(bytes);
        unsigned char header[44];
        write_wav_header(header, rate_, data_bytes_);
        std::fseek(file_, 0, SEEK_SET);
        std::fwrite(header, 1, 44, file_);
        std::fseek(file_, 0, SEEK_END);
        std::fflush(file_);
    }

  private:
    FILE* file_;
    int rate_;
    uint32_t data_bytes_ = 0;
};

void ignore_alsa_message(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints several lines of its own when there is no sound card, before SDL reports the
// failure; the library's promise is one line. SDL loads ALSA at run time, so reach it the same
// way (the library stays loaded, and SDL gets the same instance).
void quiet_alsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_GLOBAL);
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    auto set_handler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (set_handler) set_handler(ignore_alsa_message);
}

class DeviceOutput : public Output {
  public:
    ~DeviceOutput() override { stop(); }
    bool open(Mixer& mixer, std::string& why) {
        quiet_alsa();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            why = SDL_GetError();
            return false;
        }
        sdl_started_ = true;
        SDL_AudioSpec want{}, have{};
        want.freq = mixer.rate();
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = 512;
        want.callback = [](void* user, Uint8* stream, int len) {
            static_cast<Mixer*>(user)->render(reinterpret_cast<float*>(stream),
                                              len / int(2 * sizeof(float)));
        };
        want.userdata = &mixer;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) {
            why = SDL_GetError();
            return false;
        }
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }
    void stop() override {
        if (device_) SDL_CloseAudioDevice(device_);
        device_ = 0;
        if (sdl_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdl_started_ = false;
    }
    const char* name() const override { return "device"; }

  private:
    SDL_AudioDeviceID device_ = 0;
    bool sdl_started_ = false;
};

} // namespace

std::unique_ptr<Output> open_output(const std::string& target, Mixer& mixer) {
    if (target == "null") {
        auto out = std::make_unique<NullOutput>(mixer);
        out->start();
        return out;
    }
    if (target.rfind("wav:", 0) == 0) {
        std::string path = target.substr(4);
        FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
        if (!f) {
            std::fprintf(stderr, "zelvo: cannot write the WAV output \"%s\"\n", path.c_str());
            return nullptr;
        }
        auto out = std::make_unique<WavOutput>(mixer, f);
        out->start();
        return out;
    }
    if (target.empty() || target == "device") {
        auto device = std::make_unique<DeviceOutput>();
        std::string why;
        if (device->open(mixer, why)) return device;
        device.reset();
        std::fprintf(stderr, "zelvo: no audio device (%s), playing silently\n", why.c_str());
        auto out = std::make_unique<NullOutput>(mixer);
        out->start();
        return out;
    }
    std::fprintf(stderr, "zelvo: unknown ZELVO_OUTPUT \"%s\" (device, null or wav:PATH)\n",
                 target.c_str());
    return nullptr;
}

} // namespace zelvo
