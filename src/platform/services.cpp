// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide services (see services.h).
#include "services.h"

#include "timeservice.h"

#include <stdexcept>

int RandomSource::Below(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

Services& CurrentServices()
{
    static Services services;
    return services;
}

TimeService& Time()
{
    if (!CurrentServices().time)
        throw std::logic_error("no time service installed");
    return *CurrentServices().time;
}

SoundPlayer& Sound()
{
    if (!CurrentServices().sound)
        throw std::logic_error("no sound player installed");
    return *CurrentServices().sound;
}

RandomSource& Random()
{
    if (!CurrentServices().random)
        throw std::logic_error("no random source installed");
    return *CurrentServices().random;
}

ServicesScope::ServicesScope(const Services& services) : previous_(CurrentServices())
{
    CurrentServices() = services;
}

ServicesScope::~ServicesScope()
{
    CurrentServices() = previous_;
}
