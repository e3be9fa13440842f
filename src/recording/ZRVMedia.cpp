#include "recording/ZRVMedia.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view kAlwaysPrefix = "alwa_";
constexpr std::string_view kMotionPrefix = "motion_";
constexpr std::string_view kEventPrefix = "event_";
constexpr std::string_view kFrontSuffix = "_F";
constexpr std::string_view kRearSuffix = "_R";
constexpr std::size_t kTimeLength = std::string_view("yyyymmdd_hhmiss").size();

// The lengths of "alwa_yyyymmdd_hhmiss_F", "motion_..." and "event_...".
bool hasRecordingLength(std::size_t length) {
    return length == 22 || length == 24 || length == 23;
}

std::string_view withoutTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

std::string_view lastComponent(std::string_view path) {
    path = withoutTrailingSlashes(path);
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A leading dot marks a hidden file rather than an extension, and a trailing
// dot has no extension after it; keeping both in the name lets fileName()
// give back the name as it is on disk.
std::size_t extensionDot(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == name.size()) {
        return std::string_view::npos;
    }
    return dot;
}

bool isAviExtension(std::string_view extension) {
    constexpr std::string_view avi = "avi";
    if (extension.size() != avi.size()) {
        return false;
    }
    for (std::size_t i = 0; i < avi.size(); ++i) {
        const char c = extension[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != avi[i]) {
            return false;
        }
    }
    return true;
}

// As lenient as atoi on one digit group, so that a group padded with blanks or
// carrying a sign still reads; the range check afterwards decides.
int lenientInteger(std::string_view text) {
    // The camera writes plain digits; the careful reading is for the rest.
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int value = 0;
        for (const char c : text) {
            value = value * 10 + (c - '0');
        }
        return value;
    }
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::shared_ptr<const ZRVMedia> ZRVMedia::mediaWithPath(const std::filesystem::path& path) {
    return std::make_shared<const ZRVMedia>(path);
}

ZRVMedia::ZRVMedia(const std::filesystem::path& path) {
    if (path.is_absolute()) {
        m_path = path.native();
    } else {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(path, error);
        m_path = error ? path.native() : absolute.native();
    }
    const std::string_view full = withoutTrailingSlashes(m_path);
    const auto slash = full.rfind('/');
    splitName(slash == std::string_view::npos ? 0 : slash + 1, full.size());
    parseName();
}

ZRVMedia::ZRVMedia(std::string absolutePath, std::size_t nameStart)
    : m_path(std::move(absolutePath)) {
    splitName(nameStart, m_path.size());
    parseName();
}

void ZRVMedia::splitName(std::size_t nameStart, std::size_t nameEnd) {
    m_fileNameStart = nameStart;
    m_fileNameLength = nameEnd - nameStart;
    m_mediaNameLength = std::min(extensionDot(fileName()), m_fileNameLength);
}

bool ZRVMedia::isRecordingFileName(std::string_view fileName) {
    // Searching forward is much quicker than from the end, and a walk passes
    // bare names.
    const auto name =
        fileName.find('/') == std::string_view::npos ? fileName : lastComponent(fileName);
    constexpr std::size_t dotAvi = std::string_view(".avi").size();
    if (name.size() < dotAvi || name[name.size() - dotAvi] != '.' ||
        !isAviExtension(name.substr(name.size() - dotAvi + 1))) {
        return false;
    }
    const auto base = name.substr(0, name.size() - dotAvi);
    return hasRecordingLength(base.size()) &&
           (base.ends_with(kFrontSuffix) || base.ends_with(kRearSuffix));
}

std::string_view ZRVMedia::mediaNameOfPath(std::string_view fileNameOrPath) {
    const auto name = lastComponent(fileNameOrPath);
    return name.substr(0, extensionDot(name));
}

std::string_view ZRVMedia::mediaName() const {
    return fileName().substr(0, m_mediaNameLength);
}

std::string_view ZRVMedia::extension() const {
    return m_mediaNameLength < m_fileNameLength ? fileName().substr(m_mediaNameLength + 1)
                                                : std::string_view();
}

std::string_view ZRVMedia::dir() const {
    // The root keeps its slash; a bare name has no folder.
    return std::string_view(m_path).substr(0, m_fileNameStart > 1 ? m_fileNameStart - 1
                                                                  : m_fileNameStart);
}

std::string_view ZRVMedia::fileName() const {
    return std::string_view(m_path).substr(m_fileNameStart, m_fileNameLength);
}

std::string_view ZRVMedia::mediaGroupName() const {
    const std::string_view name = mediaName();
    return name.substr(0, name.size() < 2 ? 0 : name.size() - 2);
}

std::string ZRVMedia::yyyymmddhhmiss() const {
    // Digits put in place rather than printf's: a listing asks for thousands,
    // and readTime keeps every field within its width.
    std::string text(14, '0');
    const auto put = [&text](std::size_t end, int value, int digits) {
        for (; digits > 0; --digits, value /= 10) {
            text[--end] = static_cast<char>('0' + value % 10);
        }
    };
    put(4, m_year, 4);
    put(6, m_month, 2);
    put(8, m_day, 2);
    put(10, m_hour, 2);
    put(12, m_minute, 2);
    put(14, m_second, 2);
    return text;
}

std::weak_ordering ZRVMedia::compareDate(const ZRVMedia& other) const {
    return dateOrderKey() <=> other.dateOrderKey();
}

std::uint64_t ZRVMedia::dateOrderKey() const {
    // Every field gets bits enough for the range readTime lets through, so the
    // number orders like the time's digit string; an unknown time is all 0
    // and comes first. The low bits put the higher mode first, then the lower
    // side.
    std::uint64_t key = m_year == 0 ? 0 : static_cast<std::uint64_t>(m_year - 1969); // < 2^10
    const auto append = [&key](int bits, std::uint64_t value) { key = key << bits | value; };
    append(4, static_cast<std::uint64_t>(m_month));
    append(5, static_cast<std::uint64_t>(m_day));
    append(5, static_cast<std::uint64_t>(m_hour));
    append(6, static_cast<std::uint64_t>(m_minute));
    append(6, static_cast<std::uint64_t>(m_second));
    append(2, 2 - static_cast<std::uint64_t>(m_mediaDivision));
    append(2, static_cast<std::uint64_t>(m_mediaDirection));
    return key;
}

void ZRVMedia::parseName() {
    const std::string_view name = mediaName();
    if (!hasRecordingLength(name.size())) {
        return;
    }
    m_mediaDirection = ZRVMediaDirection::unknown;
    std::optional<std::size_t> timePosition;
    if (name.starts_with(kAlwaysPrefix)) {
        m_mediaDivision = ZRVMediaDivision::always;
        timePosition = kAlwaysPrefix.size();
    } else if (name.starts_with(kMotionPrefix)) {
        m_mediaDivision = ZRVMediaDivision::motion;
        timePosition = kMotionPrefix.size();
    } else if (name.starts_with(kEventPrefix)) {
        m_mediaDivision = ZRVMediaDivision::event;
        timePosition = kEventPrefix.size();
    }
    // A time out of range means the name only looks like a recording, so its
    // side is not trusted either.
    if (timePosition && !readTime(*timePosition)) {
        return;
    }
    if (name.ends_with(kFrontSuffix)) {
        m_mediaDirection = ZRVMediaDirection::front;
    } else if (name.ends_with(kRearSuffix)) {
        m_mediaDirection = ZRVMediaDirection::rear;
    }
}

bool ZRVMedia::readTime(std::size_t position) {
    const std::string_view name = mediaName();
    if (name.size() < position + kTimeLength) {
        return false;
    }
    const char* time = name.data() + position;
    const int year = lenientInteger({time, 4});
    const int month = lenientInteger({time + 4, 2});
    const int day = lenientInteger({time + 6, 2});
    const int hour = lenientInteger({time + 9, 2});
    const int minute = lenientInteger({time + 11, 2});
    const int second = lenientInteger({time + 13, 2});
    // Bounds only, no calendar: the camera's own clock is no better.
    if (year < 1970 || year > 2700 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 ||
        hour > 24 || minute < 0 || minute > 60 || second < 0 || second > 60) {
        return false;
    }
    m_year = year;
    m_month = month;
    m_day = day;
    m_hour = hour;
    m_minute = minute;
    m_second = second;
    return true;
}
