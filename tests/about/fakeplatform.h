#pragma once

#include "sysinfo.h"

#include <QMetaType>
#include <QStringList>

#include <map>
#include <set>
#include <stdexcept>
#include <utility>

// A registry, a file system and a program start made of plain data. Records
// every call in order; a program starts when its file exists.
class FakePlatform
{
public:
    // The registry's stored values by key and value name; a missing one
    // reads as "no such key".
    std::map<std::pair<std::string, std::string>, sysinfo::ValueRead> values;
    std::set<std::string> files;
    // Every call as "read ROOT KEY|VALUE", "search PATH" or "start PATH".
    QStringList calls;
    // Makes one service ("read", "search" or "start") raise an error.
    QString failing;

    sysinfo::Platform platform()
    {
        return {
            [this](std::int32_t root, const std::string &key, const std::string &value) {
                record(u"read %1 "_qs.arg(quint32(root), 0, 16) + latin1(key + '|' + value));
                const auto found = values.find({key, value});
                return found == values.end() ? failed(2) : found->second;
            },
            [this](const std::string &path) {
                record(u"search "_qs + latin1(path));
                return files.count(path) > 0;
            },
            [this](const std::string &path) {
                record(u"start "_qs + latin1(path));
                return files.count(path) > 0;
            },
        };
    }

    // Values as the registry hands them over.
    static sysinfo::ValueRead typed(std::uint32_t type, const std::string &bytes)
    {
        sysinfo::ValueRead read;
        read.type = type;
        std::copy(bytes.begin(), bytes.end(), read.data.begin());
        return read;
    }
    static sysinfo::ValueRead text(const std::string &text) { return typed(sysinfo::RegSz, text); }
    static sysinfo::ValueRead dword(std::uint32_t number)
    {
        std::string bytes;
        for (int i = 0; i < 4; ++i)
            bytes += char(number >> (8 * i) & 0xFF);
        return typed(sysinfo::RegDword, bytes);
    }
    // Data that fills the whole buffer, with no zero byte.
    static sysinfo::ValueRead full(std::uint32_t type)
    {
        return typed(type, std::string(sysinfo::ValueBufferSize, 'A'));
    }
    static sysinfo::ValueRead failed(std::int32_t code)
    {
        sysinfo::ValueRead read;
        read.result = code;
        return read;
    }

private:
    static QString latin1(const std::string &bytes)
    {
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    }
    void record(const QString &call)
    {
        calls << call;
        if (!failing.isEmpty() && call.startsWith(failing))
            throw std::runtime_error("stand-in service failed");
    }
};

Q_DECLARE_METATYPE(sysinfo::ValueRead)
