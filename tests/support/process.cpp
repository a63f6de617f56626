#include "tests/support/process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <X11/Xlib.h>

extern char** environ;

Process::Process(const std::vector<std::string>& argv, const std::string& working_dir,
                 const std::vector<std::string>& extra_env) {
    static int counter = 0;
    const std::string base = std::filesystem::temp_directory_path().string() + "/proc_" +
                             std::to_string(getpid()) + "_" + std::to_string(counter++);
    out_path_ = base + ".out";
    err_path_ = base + ".err";

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto& x : extra_env)
            if (x.substr(0, x.find('=')) == name) replaced = true;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extra_env.begin(), extra_env.end());

    pid_ = fork();
    if (pid_ == 0) {
        int out = open(out_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        setpgid(0, 0);
        if (chdir(working_dir.c_str()) != 0) _exit(126);
        std::vector<char*> args, envp;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        for (const auto& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
}

Process::~Process() {
    if (pid_ > 0 && !reaped_) {
        kill(-pid_, SIGKILL);
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
    std::remove(out_path_.c_str());
    std::remove(err_path_.c_str());
}

bool Process::running() {
    if (reaped_) return false;
    if (waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

ProcessResult Process::wait(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!reaped_) {
        kill(-pid_, SIGKILL);
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
        reaped_ = true;
        ProcessResult r;
        r.out = read_file(out_path_);
        r.err = read_file(err_path_);
        return r;
    }
    ProcessResult r;
    r.exited = WIFEXITED(status_);
    r.exit_code = r.exited ? WEXITSTATUS(status_) : -1;
    r.out = read_file(out_path_);
    r.err = read_file(err_path_);
    return r;
}

std::string Process::err_so_far() const {
    return read_file(err_path_);
}

std::string run_command(const std::string& command, int* exit_code) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    int status = pclose(pipe);
    if (exit_code) *exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

bool wait_until(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

TempDir::TempDir() {
    std::string templ = std::filesystem::temp_directory_path().string() + "/dhtest_XXXXXX";
    if (!mkdtemp(templ.data())) std::abort();
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

// Starts Xvfb with -displayfd and returns the display number it reports, or "" when it does not
// report one.
std::string start_xvfb(const std::string& screen, int& pid) {
    int fds[2];
    if (pipe(fds) != 0) return "";
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", "+extension", "GLX", "+extension", "RANDR",
               (char*)nullptr);
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    // Xvfb writes the display number and a line feed once it accepts connections.
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    return number;
}

bool can_connect(const std::string& name) {
    Display* d = XOpenDisplay(name.c_str());
    if (!d) return false;
    XCloseDisplay(d);
    return true;
}

} // namespace

VirtualDisplay::VirtualDisplay(const std::string& screen) {
    // Servers started at the same moment by tests running side by side can trip over each
    // other's lock files; a server that cannot be reached is replaced by a new one. The server
    // runs with -noreset: otherwise the check's own disconnect resets it, and a client that
    // connects during the reset is refused.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::string number = start_xvfb(screen, pid_);
        if (!number.empty() && can_connect(":" + number)) {
            name_ = ":" + number;
            return;
        }
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status;
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200 * (attempt + 1)));
    }
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status;
        waitpid(pid_, &status, 0);
    }
}

std::string VirtualDisplay::run(const std::string& command, int* exit_code) const {
    return run_command("DISPLAY=" + name_ + " " + command, exit_code);
}

void copy_game_run_dir(const std::string& to) {
    namespace fs = std::filesystem;
    const fs::path build(DH_TEST_BUILD_DIR);
    fs::create_directories(to);
    fs::copy(build / "run", to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const fs::path warm = build / "tests" / "warm_run" / "data";
    std::error_code ec;
    if (fs::is_directory(warm, ec))
        fs::copy(warm, fs::path(to) / "data",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
}
