#pragma once

#include <QLockFile>
#include <memory>

// Refuses a second copy of the application for the same user. The lock lives in the user's
// runtime directory; a copy that dies without cleaning up leaves a stale lock that the next
// start recognises and takes over.
class SingleInstance {
public:
    explicit SingleInstance(QString path = lockPath()) : m_path(std::move(path)) {}

    // True when no other copy holds the lock (this copy now holds it), and also when the lock
    // cannot be taken for any other reason: only a live copy refuses a start.
    bool acquire();
    void release();

    static QString lockPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
