// Runs real programs from tests: a child process with its own working directory, its standard
// output and error captured to files, waited for with a time limit.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct ProcessResult {
    bool exited = false; // false: killed after the time limit, or ended by a signal
    int exit_code = -1;
    std::string out;
    std::string err;
};

class Process {
  public:
    // Starts argv[0] (a path) with the given arguments in working_dir. extra_env entries are
    // "NAME=value" added to (or replacing in) the current environment.
    Process(const std::vector<std::string>& argv, const std::string& working_dir,
            const std::vector<std::string>& extra_env = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    int pid() const { return pid_; }
    bool running();
    // Waits up to `limit`; kills the process when it has not ended by then.
    ProcessResult wait(std::chrono::milliseconds limit);
    // What the process has written to standard error so far.
    std::string err_so_far() const;

  private:
    int pid_ = -1;
    int status_ = 0;
    bool reaped_ = false;
    std::string out_path_, err_path_;
};

// Runs a shell command line and returns its standard output (for tools such as xdotool).
std::string run_command(const std::string& command, int* exit_code = nullptr);

// Polls `condition` every 50 ms until it holds or `limit` passes.
bool wait_until(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// A fresh temporary directory, removed with its contents on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string read_file(const std::string& path);

// A private virtual X server for one test: Xvfb on a free display number with the given screen
// ("1280x1024x24"). Stopped on destruction.
class VirtualDisplay {
  public:
    explicit VirtualDisplay(const std::string& screen = "1280x1024x24");
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    bool ok() const { return !name_.empty(); }
    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }
    // Runs a shell command with DISPLAY set to this server; returns its standard output.
    std::string run(const std::string& command, int* exit_code = nullptr) const;

  private:
    int pid_ = -1;
    std::string name_;
};

// Copies the game's working folder (build/run) to `to`, with the lightmap cache that the
// warm_lightmap_cache fixture wrote, so that the game starts without computing lightmaps.
void copy_game_run_dir(const std::string& to);
