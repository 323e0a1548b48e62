#include "replay/replay_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

namespace slyders {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxReplayFile = 256u << 20;  // far beyond any game

std::string stampOf(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

// The bytes reach the disk before the name is given to them.
bool writeWhole(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += std::size_t(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

constexpr const char* kTempExtension = ".tmp";
constexpr auto kLeftoverAge = std::chrono::minutes(1);

fs::path tempFileFor(const fs::path& file) {
    return file.parent_path() / ("." + file.filename().string() + kTempExtension);
}

bool isReplayName(const fs::path& p) {
    return p.extension() == ReplayStore::kExtension && p.filename().string()[0] != '.';
}

constexpr std::size_t kStampLength = 19;  // "%Y-%m-%d_%H-%M-%S"

// A name is the start's date and time, "-N" for the N-th game started in the same second,
// and "-kept" once kept. Games sort by the time, then by N (the first has none); a name of
// another form sorts by itself.
std::pair<std::string, long> orderOf(const fs::path& file) {
    std::string stem = file.stem().string();
    const std::string mark = ReplayStore::kKeptMark;
    if (stem.ends_with(mark)) stem.resize(stem.size() - mark.size());
    if (stem.size() == kStampLength) return {stem, 1};
    const std::string number = stem.size() > kStampLength + 1 ? stem.substr(kStampLength + 1) : "";
    if (!number.empty() && stem[kStampLength] == '-' && number.size() < 7 &&
        number.find_first_not_of("0123456789") == std::string::npos) {
        return {stem.substr(0, kStampLength), std::stol(number)};
    }
    return {stem, 0};
}

// A name is free when neither it nor its kept form is taken.
bool nameFree(const fs::path& folder, const std::string& stem) {
    std::error_code ec;
    return !fs::exists(folder / (stem + ReplayStore::kExtension), ec) &&
           !fs::exists(folder / (stem + ReplayStore::kKeptMark + ReplayStore::kExtension), ec);
}

}  // namespace

fs::path ReplayStore::defaultFolder() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "share";
    } else {
        base = ".";
    }
    return base / "Tallowin" / "Slyders" / "replays";
}

bool ReplayStore::isKept(const fs::path& file) {
    const std::string stem = file.stem().string();
    const std::string mark = kKeptMark;
    return stem.size() >= mark.size() &&
           stem.compare(stem.size() - mark.size(), mark.size(), mark) == 0;
}

std::vector<fs::path> ReplayStore::all() const {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && isReplayName(it->path())) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return orderOf(a) < orderOf(b); });
    return files;
}

std::optional<fs::path> ReplayStore::newest() const {
    const auto files = all();
    if (files.empty()) return std::nullopt;
    return files.back();
}

std::optional<fs::path> ReplayStore::save(const Replay& replay, std::string& error) {
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    const std::string stamp = stampOf(replay.startedAt);
    std::string stem = stamp;
    for (int n = 2; !nameFree(m_folder, stem); ++n) stem = stamp + "-" + std::to_string(n);
    const fs::path file = m_folder / (stem + kExtension);
    if (!writeReplayFile(file, replay, error)) {
        error = "The replay could not be written to " + m_folder.string() + ".";
        return std::nullopt;
    }
    prune();
    return file;
}

int ReplayStore::removeLeftovers() {
    int removed = 0;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string tail = std::string(kExtension) + kTempExtension;
        if (name.size() <= tail.size() + 1 || name[0] != '.' || !name.ends_with(tail)) continue;
        std::error_code statEc;
        const auto written = it->last_write_time(statEc);
        if (statEc || now - written < kLeftoverAge) continue;
        if (fs::remove(it->path(), statEc)) ++removed;
    }
    return removed;
}

bool writeReplayFile(const fs::path& file, const Replay& replay, std::string& error) {
    const fs::path temp = tempFileFor(file);
    std::error_code ec;
    if (writeWhole(temp, encodeReplay(replay))) {
        fs::rename(temp, file, ec);
        if (!ec) return true;
    }
    fs::remove(temp, ec);
    error = "The replay could not be written to " + file.string() + ".";
    return false;
}

void ReplayStore::prune() {
    std::vector<fs::path> plain;
    for (const fs::path& f : all()) {
        if (!isKept(f)) plain.push_back(f);
    }
    std::error_code ec;
    for (std::size_t i = 0; i + kReplaysKept < plain.size(); ++i) fs::remove(plain[i], ec);
}

std::optional<fs::path> ReplayStore::keep(const fs::path& file, std::string& error) {
    if (isKept(file)) return file;
    const fs::path kept = file.parent_path() / (file.stem().string() + kKeptMark + kExtension);
    std::error_code ec;
    fs::rename(file, kept, ec);
    if (ec) {
        error = "The replay could not be kept: " + ec.message() + ".";
        return std::nullopt;
    }
    return kept;
}

std::optional<Replay> loadReplayFile(const fs::path& file, std::string& error) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        error = "The replay " + file.string() + " could not be read.";
        return std::nullopt;
    }
    if (size > kMaxReplayFile) {
        error = "This file is not a Slyders replay.";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail()) {
        error = "The replay " + file.string() + " could not be read.";
        return std::nullopt;
    }
    ReplayReadResult r = decodeReplay(bytes.data(), bytes.size());
    if (!r.replay) error = r.error;
    return std::move(r.replay);
}

}  // namespace slyders
