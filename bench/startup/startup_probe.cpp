// Measures start-up the way a user waits for it: from the launch of a program
// to the moment the X server maps its windows, seen from another client.
//
//   zephyr_startup_probe [--runs N] -- PROGRAM [ARGS...] [-- PROGRAM ...]
//
// Runs each program N times, alternating (one run of each in turn), and
// prints per program the median of launch to its first window mapped (for
// Zephyrdex: the splash) and to its first 800 x 600 window mapped (the main
// window), each also as a ratio to the first program's main window, and the
// main window's range. Every program is ended once its main window is up.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::vector<std::string> Arguments;
    std::vector<double> First; // ms to the first top-level window mapped
    std::vector<double> Main;  // ms to the first 800 x 600 window mapped
};

struct Options {
    int Runs = 5;
    std::vector<Program> Programs;
};

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: zephyr_startup_probe [--runs N] -- PROGRAM [ARGS...] "
                         "[-- PROGRAM [ARGS...] ...]\n");
    std::exit(2);
}

Options ReadOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            options.Runs = std::max(1, std::atoi(argv[++i]));
        } else {
            Usage();
        }
    }
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            options.Programs.emplace_back();
        } else {
            options.Programs.back().Arguments.emplace_back(argv[i]);
        }
    }
    if (options.Programs.empty() || options.Programs.front().Arguments.empty()) {
        Usage();
    }
    return options;
}

bool IsMainSize(xcb_connection_t* connection, xcb_window_t window) {
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    return geometry && geometry->width == 800 && geometry->height == 600;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One run: launch, wait for the maps, end the program.
bool Run(xcb_connection_t* connection, Program& program) {
    // What came before the launch is not this run's.
    while (xcb_generic_event_t* left = xcb_poll_for_event(connection)) {
        std::free(left);
    }
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> arguments;
        for (std::string& argument : program.Arguments) {
            arguments.push_back(argument.data());
        }
        arguments.push_back(nullptr);
        execvp(arguments[0], arguments.data());
        std::perror(arguments[0]);
        _exit(127);
    }
    std::optional<double> first;
    std::optional<double> main;
    const double limitMs = 60000;
    while (!main && Since(start) < limitMs) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) != 0) {
                break;
            }
            usleep(200);
            continue;
        }
        const double at = Since(start);
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            first = first.value_or(at);
            if (IsMainSize(connection, window)) {
                main = at;
            }
        }
        std::free(event);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    if (!first || !main) {
        std::fprintf(stderr, "%s: no 800 x 600 window within %.0f ms\n",
                     program.Arguments[0].c_str(), limitMs);
        return false;
    }
    program.First.push_back(*first);
    program.Main.push_back(*main);
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    Options options = ReadOptions(argc, argv);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "zephyr_startup_probe: cannot reach the X server (DISPLAY)\n");
        return 1;
    }
    // Every top-level window's map, whatever program makes it.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    for (int run = 0; run < options.Runs; ++run) {
        for (Program& program : options.Programs) {
            if (!Run(connection, program)) {
                return 1;
            }
            usleep(300 * 1000); // the ended program's processes go
        }
    }
    const double yardstick = Median(options.Programs.front().Main);
    for (const Program& program : options.Programs) {
        const auto [fewest, most] = std::minmax_element(program.Main.begin(), program.Main.end());
        std::printf("%s\n  first window  median %7.1f ms  (%.2fx)\n  main window   median %7.1f "
                    "ms  (%.2fx)  range %.1f-%.1f ms, %zu runs\n",
                    program.Arguments[0].c_str(), Median(program.First),
                    Median(program.First) / yardstick, Median(program.Main),
                    Median(program.Main) / yardstick, *fewest, *most, program.Main.size());
    }
    xcb_disconnect(connection);
    return 0;
}
