#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>
#include <utility>

// Sets environment variables for its lifetime and puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(std::initializer_list<std::pair<const char*, QString>> vars) {
        for (const auto& [name, value] : vars) {
            m_old.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qputenv(name, value.toLocal8Bit());
        }
    }
    ~ScopedEnv() {
        for (const Old& o : m_old) {
            if (o.had)
                qputenv(o.name, o.value);
            else
                qunsetenv(o.name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    struct Old {
        const char* name;
        bool had;
        QByteArray value;
    };
    QList<Old> m_old;
};
