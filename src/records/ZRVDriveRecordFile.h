#pragma once

#include "records/ZRVDriveRecord.h"
#include "records/ZRVDriveRecordColumn.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The camera's driving-record file (DrvInfo/tavu_000.drv) as the record
// table shows it: a 12-byte header whose first four bytes count the 40-byte
// records that follow. A header that counts more records than the file holds
// gives the records present; nothing is allocated beyond what the file holds.
// Reading builds a complete object, so a worker can read while the table
// shows the previous one, and hand the new one over as a whole.
class ZRVDriveRecordFile {
public:
    static constexpr std::size_t kHeaderSize = 12;
    static constexpr long kColumnCount = static_cast<long>(kDriveRecordColumns.size());

    struct Position {
        double latitude = 0;  // decimal degrees, taken as north
        double longitude = 0; // decimal degrees, taken as east
    };

    // Replaces the records with those of the file. When the file cannot be
    // read, or is too short for the header, returns a message and keeps the
    // records it had.
    std::optional<std::string> readFile(const std::filesystem::path& path);
    // The same for a whole file's bytes in memory.
    std::optional<std::string> readBytes(std::span<const unsigned char> bytes);

    long numberOfRows() const {
        return static_cast<long>(m_records.size() / ZRVDriveRecord::kSize);
    }
    // The count the header announced, which may exceed numberOfRows().
    std::uint32_t headerCount() const { return m_headerCount; }
    // Says how many records are missing when the header announced more.
    std::optional<std::string> shortfallMessage() const;

    std::optional<ZRVDriveRecord> record(long row) const;

    // The text of a table cell: column 0 is the row number from 1, columns 1
    // to 14 the record's fields. A column outside 0 to 14 gives "X", a row
    // outside the table an empty text.
    std::string stringForColumnIndex(long column, long row) const;

    // Where the map goes for a row: the latitude and longitude cell texts read
    // back and converted to degrees. None for a row outside the table and for
    // a record whose latitude or longitude converts to 0 (no fix), which
    // leaves the map where it is.
    std::optional<Position> mapPositionOfRow(long row) const;

    // The rows in the order of a column's values, for a table sorted by that
    // column: numbers by value rather than by their text (9 before 10), the
    // date with its time, weekdays from Sunday, a valid fix before a void
    // one. Rows of equal value keep the file's order.
    std::vector<long> rowsSortedBy(long column, bool ascending) const;

    // The export: a line of the column titles, then one line of the 15 cell
    // texts per record, separated by "," and each ended by "\n". A field
    // holding a comma, a double quote or a line end is quoted as RFC 4180
    // has it; no other is. `rows` gives the records in the order the table
    // shows them; empty, the file's order.
    std::string csvText(const ZRVDriveRecordColumn::TitleLookup& titleForKey,
                        std::span<const long> rows = {}) const;
    // Writes csvText to a file, replacing it whole. Returns a message when the
    // file was not written.
    std::optional<std::string> writeCSVFile(const std::filesystem::path& path,
                                            const ZRVDriveRecordColumn::TitleLookup& titleForKey,
                                            std::span<const long> rows = {}) const;

private:
    void assign(std::uint32_t headerCount, std::span<const unsigned char> recordBytes);
    double sortKey(long column, long row) const;

    std::uint32_t m_headerCount = 0;
    std::vector<unsigned char> m_records; // whole records only, as in the file
};
