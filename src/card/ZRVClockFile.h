#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The clock file from which the camera sets its date and time: timeset.cfg
// in the card's root, 19 bytes of text "yyyy/MM/dd HH:mm:ss" in local time
// (24-hour clock), with no line end.
class ZRVClockFile {
public:
    static constexpr std::string_view kFileName = "timeset.cfg";
    static constexpr std::size_t kTextSize = 19;

    // A local calendar date and time of day.
    struct DateTime {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;

        bool operator==(const DateTime&) const = default;
    };

    // A real calendar day of the years 1 to 9999 and a time from 00:00:00 to
    // 23:59:59: what the 19 bytes can say.
    static bool isValid(const DateTime& moment);
    // The file's text, or none for an invalid moment.
    static std::optional<std::string> textOf(const DateTime& moment);
    // Reads "yyyy/MM/dd HH:mm:ss" exactly; none for any other text.
    static std::optional<DateTime> dateTimeFromText(std::string_view text);

    // Writes the clock file, replacing any file at the path whole. Returns a
    // message when the file was not written.
    static std::optional<std::string> writeFile(const std::filesystem::path& path,
                                                const DateTime& moment);
};
