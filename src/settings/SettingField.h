#pragma once

#include "settings/_FILEDATA.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

enum class SettingFieldType { u16, u32, i32, text };

// The page rules a text field's value must keep.
enum class SettingTextRule { none, plate, wifiName, wifiPassword };

// What the settings pages can store in a field. Fields no page edits are
// read-only; sd_mem_motion_ratio follows sd_mem_always_ratio.
struct SettingValues {
    enum class Kind { readOnly, follows, list, range, text };
    Kind kind = Kind::readOnly;
    std::span<const std::int64_t> list{};
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::int64_t step = 1;
    SettingTextRule textRule = SettingTextRule::none;
};

// One row of the record's name table: where a field lives, what it holds,
// what the pages allow in it and its factory value. The table is the one
// description of the layout; the record's byte conversion walks it.
struct SettingField {
    using Member =
        std::variant<std::uint16_t _FILEDATA::*, std::uint32_t _FILEDATA::*,
                     std::int32_t _FILEDATA::*, std::array<char, 8> _FILEDATA::*,
                     std::array<char, 16> _FILEDATA::*, std::array<std::uint32_t, 2> _FILEDATA::*>;

    std::string_view name{};
    Member member{};
    std::size_t offset = 0;
    std::size_t element = 0; // the word of dummy00
    SettingValues allowed{};
    // Bits the pages never change; an assignment keeps them.
    std::uint32_t keptBits = 0;
    std::int64_t factory = 0;
    std::string_view factoryText{};
    bool keptByFactoryReset = false;

    SettingFieldType type() const;
    std::size_t size() const;
    bool isText() const { return type() == SettingFieldType::text; }
    bool editable() const;
    // Whether a number is one of the field's choices (ignores keptBits).
    bool allows(std::int64_t value) const;
    // The choices in words, for messages.
    std::string allowedText() const;

    std::int64_t number(const _FILEDATA& record) const;
    // Stores the value in the field's own type; check it with allows() first.
    void setNumber(_FILEDATA& record, std::int64_t value) const;
    std::string text(const _FILEDATA& record) const;
    void setText(_FILEDATA& record, std::string_view value) const;

    void decode(_FILEDATA& record, const _FILEDATA::Bytes& bytes) const;
    void encode(const _FILEDATA& record, _FILEDATA::Bytes& bytes) const;

    // Every field in the order of its offset.
    static std::span<const SettingField> all();
    static const SettingField* find(std::string_view name);
};
