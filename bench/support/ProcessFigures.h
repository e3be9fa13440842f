#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QStringList>

// What the kernel says of a running process: its resident memory, threads and
// open files, read from /proc as `top` and `lsof` would read them.
struct ProcessFigures {
    double residentMB = 0;
    int threads = 0;
    int openFiles = 0;
    int processes = 0;

    // One process; all zero once it has gone.
    static ProcessFigures of(qint64 pid) {
        ProcessFigures figures;
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly)) {
            return figures;
        }
        figures.processes = 1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() >= 2 && words[0] == "VmRSS:") {
                figures.residentMB = words[1].toDouble() / 1024.0;
            } else if (words.size() >= 2 && words[0] == "Threads:") {
                figures.threads = words[1].toInt();
            }
        }
        figures.openFiles = int(openPaths(pid).size());
        return figures;
    }

    // Every process started by this one and by its children in turn (the
    // web view's zygote, renderer and GPU processes), added together.
    static ProcessFigures ofDescendants(qint64 pid) {
        ProcessFigures total;
        for (const qint64 child : descendants(pid)) {
            const ProcessFigures one = of(child);
            total.residentMB += one.residentMB;
            total.threads += one.threads;
            total.openFiles += one.openFiles;
            total.processes += one.processes;
        }
        return total;
    }

    // What each open descriptor of the process names (files, sockets, pipes).
    static QStringList openPaths(qint64 pid) {
        QStringList paths;
        const QDir folder(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo& entry :
             folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
            paths.append(entry.symLinkTarget().isEmpty() ? entry.fileName()
                                                         : entry.symLinkTarget());
        }
        return paths;
    }

    static QList<qint64> descendants(qint64 pid) {
        QMultiMap<qint64, qint64> children;
        const QDir proc(QStringLiteral("/proc"));
        for (const QString& name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool number = false;
            const qint64 child = name.toLongLong(&number);
            if (!number) {
                continue;
            }
            QFile stat(proc.filePath(name + QStringLiteral("/stat")));
            if (!stat.open(QIODevice::ReadOnly)) {
                continue;
            }
            // The command name in brackets may hold spaces; the fields after
            // its closing bracket are the state and then the parent.
            const QByteArray text = stat.readAll();
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1) {
                children.insert(fields[1].toLongLong(), child);
            }
        }
        QList<qint64> found;
        QList<qint64> waiting{pid};
        while (!waiting.isEmpty()) {
            const qint64 parent = waiting.takeFirst();
            for (const qint64 child : children.values(parent)) {
                found.append(child);
                waiting.append(child);
            }
        }
        return found;
    }
};
