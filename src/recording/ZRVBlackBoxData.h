#pragma once

#include "recording/ZRVAviChunkFinder.h"
#include "recording/ZRVAviGSensorData.h"
#include "recording/ZRVAviGpsData.h"
#include "recording/ZRVGSensor.h"
#include "recording/ZRVGpsData.h"
#include "recording/ZRVGpsRecordsBySample.h"
#include "recording/ZRVNMEASentenceParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// The telemetry of one recording: the G-sensor samples and GPS records that
// the camera stores as "02sb" chunks, found through the file's legacy index,
// and one decoded fix per NMEA sentence. A recording whose index was lost or
// cut short (the camera lost power) is read by walking its 'movi' list
// instead, and says so. Every read starts from empty lists.
// The reader takes no lock: whoever runs it on a worker hands the finished
// lists over and keeps other threads off them while it reads.
class ZRVBlackBoxData {
public:
    // Where the "02sb" chunks are looked for. Recordings are read with
    // indexOrMoviList: the index, unless it does not cover the 'movi' list
    // and walking the list finds a chunk the index does not list (see
    // ZRVAviChunkFinder). The other two let tests compare the two ways.
    enum class ChunkSource { indexOrMoviList, index, moviList };

    // False when the file cannot be opened or does not start as RIFF "AVI ";
    // true otherwise, also when no record was found. Damaged files give what
    // could be read.
    bool extractStreamInformation(const char* path);
    // The same for a stream that is already open (read from its start, left
    // open), so that data in memory can be read without a file.
    bool extractStreamInformation(std::FILE* file,
                                  ChunkSource source = ChunkSource::indexOrMoviList);
    void clear();

    // Whether the last read took its records from the 'movi' list because
    // the index did not list them all, and how many records ("02sb" chunks)
    // it read that way; 0 when the index was used.
    bool recoveredWithoutIndex() const { return m_recoveredRecordCount > 0; }
    std::size_t recoveredRecordCount() const { return m_recoveredRecordCount; }

    // Splits NMEA text into lines at NUL, LF and CR, overwriting each line end
    // with NUL, and parses every line that starts with "$G"; a '$' inside a
    // line drops what came before it, and text after the last line end is
    // ignored. One fix is stored per "$G" line, understood or not.
    bool parseNMEA(char* buffer, std::size_t bufferSize);
    // Decodes a G-sensor record; bytes missing from a short buffer read as 0.
    bool parseGSensor(const unsigned char* buffer, std::size_t bufferSize);

    const std::vector<ZRVGSensor>& gSensors() const { return m_GSensors; }
    // Entry k is the GPS record in effect at G-sensor sample k; never longer
    // than gSensors(). It refers into gpsRecords() and lasts as long as they
    // do: until the next read or clear().
    ZRVGpsRecordsBySample gpsData() const { return {m_gpsRecords, m_gpsRecordOfSample}; }
    const std::vector<ZRVAviGSensorData>& gSensorData() const { return m_vGSensorData; }
    const std::vector<ZRVGpsData>& nmeaFixes() const { return m_NMEAs; }
    // The GPS records in file order, and for each the size nmeaFixes() had
    // right after its text was parsed, so a track can pair every record with
    // the fix decoded up to it.
    const std::vector<ZRVAviGpsData>& gpsRecords() const { return m_gpsRecords; }
    const std::vector<std::size_t>& fixCountAfterGpsRecord() const {
        return m_fixCountAfterGpsRecord;
    }

private:
    std::vector<ZRVAviDataChunk> chunksToRead(const ZRVAviChunkFinder& finder, ChunkSource source);
    void readRecord(std::FILE* file, std::uint64_t dataPosition, std::uint32_t chunkSize);
    void lineUpGpsRecords();

    ZRVNMEASentenceParser m_NMEAParser;
    std::vector<ZRVGpsData> m_NMEAs;
    std::vector<ZRVGSensor> m_GSensors;
    std::vector<ZRVAviGSensorData> m_vGSensorData;
    std::vector<ZRVAviGpsData> m_gpsRecords;
    std::vector<std::size_t> m_fixCountAfterGpsRecord;
    std::vector<std::uint32_t> m_gpsRecordOfSample;
    std::size_t m_recoveredRecordCount = 0;
};
