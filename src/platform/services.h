// SPDX-License-Identifier: GPL-3.0-or-later
// The services that touch time, sound and randomness, reached through one place so that tests can
// put in doubles: a fake clock, a silent recording sound player, a fixed random seed.
#pragma once

#include <QString>
#include <memory>
#include <random>

class TimeService;

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the wave file to its end before returning. A file that is not a playable wave, or a
    // desktop without a sound device, plays nothing.
    virtual void PlaySync(const QString& path) = 0;
};

// The one source of randomness of the program: uniform integers in [0, n).
class RandomSource {
public:
    explicit RandomSource(quint32 seed = 1) : engine_(seed) {}
    void Seed(quint32 seed) { engine_.seed(seed); }
    int Below(int n);  // 0 when n <= 0

private:
    std::mt19937 engine_;
};

struct Services {
    TimeService* time = nullptr;
    SoundPlayer* sound = nullptr;
    RandomSource* random = nullptr;
};

// The services in use. The program installs the real ones at start; tests install doubles.
Services& CurrentServices();
TimeService& Time();
SoundPlayer& Sound();
RandomSource& Random();

// Installs `services` for the lifetime of the scope and puts the previous ones back after.
class ServicesScope {
public:
    explicit ServicesScope(const Services& services);
    ~ServicesScope();
    ServicesScope(const ServicesScope&) = delete;
    ServicesScope& operator=(const ServicesScope&) = delete;

private:
    Services previous_;
};
