// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the sound hardware under the recorder's wave device: captures only what a test
// feeds it and plays nothing, noting what it was asked to do.
#pragma once

#include "recorder/wavedevice.h"

#include <gtest/gtest.h>
#include <utility>

class FakePort final : public AudioPort {
public:
    bool StartCapture(const QAudioFormat& format, SamplesHandler onSamples, EndHandler onLost) override
    {
        if (!hasInput)
            return false;
        capturing = true, format_ = format, onSamples_ = std::move(onSamples), onLost_ = std::move(onLost);
        return true;
    }
    bool StartPlayback(const QAudioFormat& format, const QByteArray& pcm, EndHandler onFinished) override
    {
        if (!hasOutput)
            return false;
        playing = true, format_ = format, played = pcm, onFinished_ = std::move(onFinished);
        return true;
    }
    void Stop() override
    {
        if (capturing && !heldBack.isEmpty())
            onSamples_(std::exchange(heldBack, {}));
        capturing = playing = false;
    }
    void Feed(const QByteArray& pcm) { ASSERT_TRUE(capturing); onSamples_(pcm); }
    void LoseInput() { ASSERT_TRUE(capturing); onLost_(); }
    void FinishPlayback() { onFinished_(); }  // also after a stop: a late report must be ignored

    bool hasInput = true, hasOutput = true, capturing = false, playing = false;
    QAudioFormat format_;
    QByteArray played, heldBack;  // heldBack: samples still in the input's buffer when it is stopped
    SamplesHandler onSamples_;
    EndHandler onLost_, onFinished_;
};
