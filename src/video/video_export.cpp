#include "video/video_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "game/game_tick.h"
#include "game/gra.h"
#include "game/random.h"
#include "game/rounds.h"
#include "params/app_settings.h"
#include "play/headless_game.h"
#include "play/replay_source.h"
#include "players/scores.h"
#include "present/event_label.h"
#include "present/scoreboard.h"
#include "present/window_picture.h"
#include "replay/replay_recorder.h"
#include "video/sound_mix.h"
#include "game/tick_pace.h"

namespace slyders {

namespace fs = std::filesystem;

namespace {

// The group of ticks whose last one renews the window's pace.
constexpr int kTickGroup = kTicksPerGroup;
constexpr double kMillisecondsPerSecond = 1000.0;
// The scoreboard needs the picture at least this much wider than high.
constexpr int kMinAspectWidth = 5, kMinAspectHeight = 4;
constexpr const char* kPartSuffix = ".part";

struct PictureSize {
    int width = 0, height = 0;
};

// The window picture as drawn: the asked size when the replay's arena fits in it, else the
// same shape as large as the arena needs (scaled down to the asked size afterwards).
PictureSize drawnSize(int side, int width, int height) {
    if (side <= height) return {width, height};
    const int h = clientHeightForSide(side);
    return {static_cast<int>(std::lround(double(width) * h / height)), h};
}

// Sound requests go to the mix at the moment of the tick that makes them.
class TimedSound final : public SoundRequests {
public:
    TimedSound(SoundMix& mix, const double& now) : m_mix(mix), m_now(now) {}
    void request(int number, int volume, int pan) override {
        m_mix.request(m_now, number, volume, pan);
    }

private:
    SoundMix& m_mix;
    const double& m_now;
};

// One export: a game object of its own, the replay played through the headless loop, and
// the window picture handed to the encoder whenever the video's next frame is due.
class Film final : public TickSource {
public:
    Film(const Replay& replay, const VideoOptions& options, VideoFormat format, TextRenderer& text,
         const VideoProgress& progress)
        : m_replay(replay),
          m_options(options),
          m_format(format),
          m_fps(framesPerSecond(format)),
          m_text(text),
          m_progress(progress),
          m_mix(options.soundFolder.empty() ? SoundMix() : SoundMix(options.soundFolder)),
          m_sound(m_mix, m_now),
          m_gra(m_rng, m_settings, m_scores, text, m_sound),
          m_cursor(replay),
          m_source(m_cursor, m_gra) {
        m_to = options.to;
        if (format == VideoFormat::Gif && !m_to) m_to = options.from + kMaxGifSeconds;
        m_soundDone = sampleAt(options.from);
    }

    VideoResult run(const fs::path& file);

    std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) override;
    void played(const Gra& gra, bool over) override;

private:
    void setUp();
    void endOfGame();
    void paintPanel(bool whole);
    bool showUntil(double seconds);
    bool addFrame(double time);
    bool addSoundUntil(std::int64_t sample);
    bool tellProgress(double time);
    static std::int64_t sampleAt(double seconds) {
        return std::llround(seconds * VideoEncoder::kRate);
    }
    double frameTime(long long k) const { return m_options.from + double(k) / m_fps; }

    const Replay& m_replay;
    const VideoOptions& m_options;
    VideoFormat m_format;
    int m_fps;
    TextRenderer& m_text;
    const VideoProgress& m_progress;
    std::optional<double> m_to;

    double m_now = 0.0;  // the game's time at the tick being played
    SoundMix m_mix;
    TimedSound m_sound;
    Random m_rng;
    TInterface m_settings;
    Scores m_scores{nullptr};
    PixelBuffer m_window, m_back;
    Gra m_gra;
    EventLabel m_label;
    std::optional<Scoreboard> m_board;
    ReplayCursor m_cursor;
    ReplaySource m_source;
    VideoEncoder m_encoder;

    long long m_frames = 0;
    std::int64_t m_soundDone = 0;  // the track is written up to here (from the game's start)
    std::vector<float> m_samples;
    bool m_stopped = false;  // cancelled, or the encoder failed
    bool m_cancelled = false;
};

void Film::setUp() {
    const PictureSize size = drawnSize(m_replay.arenaSide, m_options.width, m_options.height);
    m_window = PixelBuffer(size.width, size.height);
    m_back = PixelBuffer(size.width, size.height);
    // A watched replay as the window shows it: the arena of the replay's side placed in the
    // client area, the scoreboard beside it, the window picture composed, then the game.
    m_gra.InitArena(size.height, &m_window, m_replay.arenaSide);
    m_gra.arena.setWindowShown(false);  // the arena square is brought up to date per frame
    m_board.emplace(size.width, size.height, m_gra.arena.side(), m_gra.arena.offset(), m_text);
    m_board->LayoutScoreBands(m_gra, m_label);
    WindowPictureSources sources;
    sources.panel = m_board->panel();
    sources.logoFile = m_options.logoFile;
    sources.backgroundFile = m_options.backgroundFile;
    ComposeWindowPicture(m_back, m_gra.arena, m_text, m_gra.rng(), sources);
    m_window.blit(m_back, 0, 0, 0, 0, m_window.width(), m_window.height());
    applySettings(m_settings, m_replay.settings);
    m_cursor.start(m_gra, m_back);
    m_board->LayoutScoreBands(m_gra, m_label);
    paintPanel(true);
}

// The end of the game as a watched replay shows it: a won round is named under the
// scoreboard and applauded; the message boxes are no part of the picture.
void Film::endOfGame() {
    const int w = finishGame(m_gra, m_label);
    if (w >= 0 && decideRoundEnd(m_gra, w) == RoundEnd::Won) {
        m_gra.slot(w).roundsWon += 1;
        ShowEventNow(m_gra, m_label, m_text, "This round won by " + winnerName(m_gra, w) + "!",
                     kWhite);
        m_gra.playSound(kSndApplause, 0, 0);
    }
    paintPanel(true);
}

void Film::paintPanel(bool whole) {
    if (whole) m_board->PaintScoreboard(m_window, m_back, m_gra, m_label);
    if (m_label.changed) m_board->PaintEventLabel(m_window, m_back, m_label);
    m_label.changed = false;
}

// Tick n + 1 follows tick n one period later, except across the end of a group of 20.
std::optional<TickInput> Film::inputFor(std::int32_t tick, const TickInput& local) {
    if (m_stopped) return std::nullopt;
    std::optional<TickInput> input = m_source.inputFor(tick, local);
    if (!input) return input;
    if ((tick - 1) % kTickGroup != 0) m_now += tickPeriodSeconds(m_gra.speedLevel, m_gra.fastFinish);
    if (!showUntil(m_now)) return std::nullopt;
    return input;
}

void Film::played(const Gra& gra, bool over) {
    m_source.played(gra, over);
    paintPanel(gra.panelChanged);
}

// The frames due before `seconds` show the picture as it stands.
bool Film::showUntil(double seconds) {
    for (;;) {
        const double t = frameTime(m_frames);
        if (t >= seconds || (m_to && t >= *m_to - 1e-9)) return !m_stopped;
        if (!addFrame(t)) return false;
    }
}

bool Film::addFrame(double time) {
    m_gra.arena.window();  // the arena square catches up with the scrolls
    if (!m_encoder.addPicture(m_window)) return (m_stopped = true, false);
    ++m_frames;
    // Every sound started before this frame is known: the track can come up to it.
    if (hasSound(m_format) && !addSoundUntil(sampleAt(time))) return false;
    return tellProgress(time);
}

bool Film::addSoundUntil(std::int64_t sample) {
    constexpr int kChunk = 4096;
    while (m_soundDone < sample) {
        const int n = int(std::min<std::int64_t>(kChunk, sample - m_soundDone));
        m_mix.mix(m_soundDone, n, m_samples);
        if (!m_encoder.addSound(m_samples.data(), n)) return (m_stopped = true, false);
        m_soundDone += n;
    }
    return true;
}

bool Film::tellProgress(double time) {
    if (!m_progress) return true;
    const double fraction =
        m_to ? (time - m_options.from) / std::max(1e-9, *m_to - m_options.from)
             : double(m_gra.tick) / std::max<std::int32_t>(1, m_replay.endTick);
    if (m_progress(std::clamp(fraction, 0.0, 1.0))) return true;
    m_cancelled = m_stopped = true;
    return false;
}

VideoResult Film::run(const fs::path& file) {
    VideoResult result;
    if (!m_encoder.open(file, m_format, m_options.width, m_options.height)) {
        result.error = m_encoder.error();
        return result;
    }
    setUp();
    const bool over = playHeadless({m_gra, m_window, m_back, m_label}, *this, m_replay.endTick) ==
                      HeadlessEnd::Over;
    if (over) endOfGame();
    const double end = m_now + kEndHoldSeconds;
    if (!m_stopped) showUntil(m_to ? std::min(*m_to, end) : end);
    if (!m_stopped && hasSound(m_format)) addSoundUntil(sampleAt(frameTime(m_frames)));
    m_gra.recordedNames.reset();
    result.cancelled = m_cancelled;
    if (m_cancelled) return result;
    if (m_stopped) {
        result.error = m_encoder.error();
        return result;
    }
    if (m_frames == 0) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", m_now);
        result.error = std::string("Nothing to export: the game lasts ") + seconds + " s.";
        return result;
    }
    if (!m_encoder.finish()) {
        result.error = m_encoder.error();
        return result;
    }
    result.ok = true;
    result.frames = m_frames;
    result.seconds = double(m_frames) / m_fps;
    return result;
}

}  // namespace

double tickPeriodSeconds(int speedLevel, bool fastFinish) {
    return tickPeriodMs(speedLevel, fastFinish) / kMillisecondsPerSecond;
}

bool parseVideoSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const auto number = [](std::string_view s, int& out) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return ec == std::errc() && end == s.data() + s.size();
    };
    const std::string_view all(text);
    return number(all.substr(0, x), width) && number(all.substr(x + 1), height);
}

std::optional<std::string> videoRequestError(const fs::path& out, const VideoOptions& o) {
    const std::optional<VideoFormat> format = videoFormatFor(out);
    if (!format) {
        return "\"" + out.filename().string() + "\" is no video name: it must end in .webm, .mp4 "
               "or .gif.";
    }
    if (o.width < kMinVideoWidth || o.height < kMinVideoHeight || o.width > kMaxVideoWidth ||
        o.height > kMaxVideoHeight || o.width % 2 != 0 || o.height % 2 != 0) {
        return "The video's size must be even numbers from 160x120 to 7680x4320.";
    }
    if (o.width * kMinAspectHeight < o.height * kMinAspectWidth) {
        return std::string("The video must be at least 5:4 wide, for the scoreboard beside the "
                           "arena.");
    }
    if (o.from < 0 || (o.to && *o.to <= o.from)) {
        return std::string("The part to export must start at 0 s or later and end after it "
                           "starts.");
    }
    if (*format == VideoFormat::Gif && o.to && *o.to - o.from > kMaxGifSeconds) {
        return std::string("A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.");
    }
    const fs::path folder = out.parent_path().empty() ? fs::path(".") : out.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return "Cannot write " + out.string() + ": there is no folder " + folder.string() + ".";
    }
    if (fs::is_directory(out, ec)) return "Cannot write " + out.string() + ": it is a folder.";
    return std::nullopt;
}

VideoResult exportVideo(const Replay& replay, const fs::path& out, const VideoOptions& options,
                        TextRenderer& text, const VideoProgress& progress) {
    VideoResult result;
    if (auto error = videoRequestError(out, options)) {
        result.error = *error;
        return result;
    }
    // Written beside the wanted name first, so that nothing half made is ever taken for it.
    const fs::path part = out.string() + kPartSuffix;
    {
        Film film(replay, options, *videoFormatFor(out), text, progress);
        result = film.run(part);
    }
    std::error_code ec;
    if (result.ok) {
        fs::rename(part, out, ec);
        if (ec) {
            result.ok = false;
            result.error = "Cannot write " + out.string() + ": " + ec.message();
        }
    }
    if (!result.ok) fs::remove(part, ec);
    return result;
}

}  // namespace slyders
