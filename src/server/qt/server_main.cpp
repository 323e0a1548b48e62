// slyders-server: the dedicated server. No window and no display: Qt runs on its "offscreen"
// platform only to draw the arena texts with the game's own fonts, exactly as every player's
// machine draws them, so that the server's game is the players' game to the last pixel.
#include <QGuiApplication>
#include <QtGlobal>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "present/qt/qt_text_renderer.h"
#include "server/server.h"

using namespace slyders;

namespace {

constexpr int kPassMs = 1;
constexpr std::uint64_t kSummaryEveryUs = 60'000'000;

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

void logLine(const std::string& line) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    std::printf("%s %s\n", stamp, line.c_str());
    std::fflush(stdout);
}

int printLadder(const server::ServerOptions& options) {
    server::LadderDb ladder;
    std::string error;
    if (!std::filesystem::exists(options.db) || !ladder.open(options.db, error)) {
        std::fprintf(stderr, "slyders-server: %s\n",
                     error.empty() ? ("no ladder at " + options.db).c_str() : error.c_str());
        return 1;
    }
    std::fputs(server::ladderTable(ladder.roster(), ladder.games()).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    server::ServerOptions options;
    bool ladder = false, help = false;
    if (auto error = server::parseServerOptions(args, options, ladder, help)) {
        std::fprintf(stderr, "slyders-server: %s\n%s", error->c_str(), server::kServerUsage);
        return 2;
    }
    if (help) {
        std::fputs(server::kServerUsage, stdout);
        return 0;
    }
    if (ladder) return printLadder(options);

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt looks for a display's runtime folder even offscreen; a service has none, so it gets
    // a private one that goes with it.
    std::filesystem::path runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "slyders-server-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            runtime = pattern;
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(pattern));
        }
    }
    QGuiApplication app(argc, argv);
    QtTextRenderer text;
    server::Server server(options, text, logLine);
    std::string error;
    if (!server.open(error)) {
        std::fprintf(stderr, "slyders-server: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::uint64_t nextSummary = net::nowMicros() + kSummaryEveryUs;
    while (!g_stop) {
        server.step(kPassMs);
        if (net::nowMicros() >= nextSummary) {
            nextSummary += kSummaryEveryUs;
            logLine(server.summary());
        }
    }
    logLine("ending every room: the server is shutting down");
    server.shutdown();
    std::error_code ignored;
    if (!runtime.empty()) std::filesystem::remove_all(runtime, ignored);
    return 0;
}
