#include "cli/CatalogueCommand.h"

#include "cli/CommandArguments.h"
#include "cli/JsonWriter.h"
#include "recording/ZRVMediaList.h"

#include <filesystem>
#include <iostream>

namespace {

const char* const kUsage =
    "usage: zorva-tool catalogue DIR [--json]\n"
    "\n"
    "Lists the recordings found in DIR and its sub-folders, in the order the\n"
    "player lists them: by the time in the name, an event before a motion before\n"
    "a continuous recording of the same second, front before rear.\n"
    "\n"
    "  --json   an array of {\"file\", \"path\", \"mode\", \"side\", \"time\", \"group\"}\n";

const char* modeName(ZRVMediaDivision division) {
    switch (division) {
    case ZRVMediaDivision::always:
        return "always";
    case ZRVMediaDivision::motion:
        return "motion";
    case ZRVMediaDivision::event:
        return "event";
    }
    return "always";
}

const char* sideName(ZRVMediaDirection direction) {
    switch (direction) {
    case ZRVMediaDirection::front:
        return "front";
    case ZRVMediaDirection::rear:
        return "rear";
    case ZRVMediaDirection::unknown:
        return "unknown";
    }
    return "unknown";
}

void printJson(const std::vector<std::shared_ptr<const ZRVMedia>>& medias) {
    JsonWriter json(std::cout);
    json.beginArray();
    for (const auto& media : medias) {
        json.beginObject()
            .field("file", media->fileName())
            .field("path", media->path())
            .field("mode", modeName(media->mediaDivision()))
            .field("side", sideName(media->mediaDirection()))
            .field("time", media->yyyymmddhhmiss())
            .field("group", media->mediaGroupName())
            .endObject();
    }
    json.endArray();
    std::cout << "\n";
}

void printTable(const std::vector<std::shared_ptr<const ZRVMedia>>& medias) {
    for (const auto& media : medias) {
        const std::string t = media->yyyymmddhhmiss();
        const std::string when = t == "00000000000000"
                                     ? std::string("unknown time       ")
                                     : t.substr(0, 4) + "-" + t.substr(4, 2) + "-" +
                                           t.substr(6, 2) + " " + t.substr(8, 2) + ":" +
                                           t.substr(10, 2) + ":" + t.substr(12, 2);
        std::printf("%s  %-6s  %-7s  %s\n", when.c_str(), modeName(media->mediaDivision()),
                    sideName(media->mediaDirection()), media->path().c_str());
    }
}

} // namespace

int runCatalogueCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(
        arguments,
        {.valueOptions = {}, .flags = {"--json"}, .minPositionals = 1, .maxPositionals = 1});
    if (args.helpRequested()) {
        std::cout << kUsage;
        return ExitCode::success;
    }
    if (args.usageError()) {
        return reportUsageError("catalogue", *args.usageError(), kUsage);
    }
    const std::string& directory = args.positionals().front();
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::cerr << "zorva-tool catalogue: " << directory << ": not a folder\n";
        return ExitCode::badInput;
    }

    const auto medias = ZRVMediaList::sortedMedias(directory);
    if (args.hasFlag("--json")) {
        printJson(medias);
    } else {
        printTable(medias);
    }
    return ExitCode::success;
}
