#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

enum class ZRVMediaDivision : std::uint32_t { always = 0, motion = 1, event = 2 };
enum class ZRVMediaDirection : std::uint32_t { front = 0, rear = 1, unknown = 2 };

// One recording file of the camera, described by its name alone
// (e.g. event_20160108_123456_R.avi). Immutable, so the catalogue and its
// pairs share one instance across threads.
class ZRVMedia {
public:
    static std::shared_ptr<const ZRVMedia> mediaWithPath(const std::filesystem::path& path);

    // Never fails: a name that does not follow the camera's pattern gives an
    // unknown time (all fields 0).
    explicit ZRVMedia(const std::filesystem::path& path);

    // Whether a directory entry of this name is catalogued: ".avi" in any
    // case, a base name as long as one of the three patterns, ending in "_F"
    // or "_R". The prefix is deliberately not checked.
    static bool isRecordingFileName(std::string_view fileName);

    // The last path component without its extension; the split agrees with
    // mediaName() and extension().
    static std::string_view mediaNameOfPath(std::string_view fileNameOrPath);

    const std::string& path() const { return m_path; }
    // Views into path(), valid while this media is.
    std::string_view mediaName() const;
    std::string_view extension() const;
    std::string_view dir() const;
    std::string_view fileName() const;
    ZRVMediaDivision mediaDivision() const { return m_mediaDivision; }
    ZRVMediaDirection mediaDirection() const { return m_mediaDirection; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }

    // The pair key: the name without its side suffix.
    std::string_view mediaGroupName() const;
    std::string yyyymmddhhmiss() const;

    bool isFrontMedia() const { return m_mediaDirection == ZRVMediaDirection::front; }
    bool isRearMedia() const { return m_mediaDirection == ZRVMediaDirection::rear; }
    bool isAlwaysMedia() const { return m_mediaDivision == ZRVMediaDivision::always; }
    bool isMotionMedia() const { return m_mediaDivision == ZRVMediaDivision::motion; }
    bool isEventMedia() const { return m_mediaDivision == ZRVMediaDivision::event; }

    // Catalogue order: earlier time first (unknown time before any known
    // one), then event before motion before always, then front before rear
    // before unknown side.
    std::weak_ordering compareDate(const ZRVMedia& other) const;
    // One number below 2^kDateOrderKeyBits that sorts the way compareDate
    // does, for sorting many recordings without reaching into each one for
    // every comparison.
    static constexpr int kDateOrderKeyBits = 40;
    std::uint64_t dateOrderKey() const;

private:
    friend class ZRVMediaList;

    // For the recordings a walk finds: the walk knows where the name starts.
    ZRVMedia(std::string absolutePath, std::size_t nameStart);

    void splitName(std::size_t nameStart, std::size_t nameEnd);
    void parseName();
    bool readTime(std::size_t position);

    // The name and its parts are places in the path rather than copies: a
    // catalogue holds thousands of recordings.
    std::string m_path;
    std::size_t m_fileNameStart = 0;
    std::size_t m_fileNameLength = 0;
    std::size_t m_mediaNameLength = 0;
    ZRVMediaDivision m_mediaDivision = ZRVMediaDivision::always;
    ZRVMediaDirection m_mediaDirection = ZRVMediaDirection::front;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
};
