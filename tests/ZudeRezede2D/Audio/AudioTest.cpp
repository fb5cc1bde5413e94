// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "Common/Platform/Platform.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"
#include "ZudeRezede2D/Audio/MixerAudio.h"
#include "ZudeRezede2D/Audio/SpeechSynthesizer.h"

namespace zr2d {
namespace {

using common::Platform;

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(SpeechSynthesizerTest, SpeaksEveryTextInOrderOnItsWorker) {
    SpeechSynthesizer speech("de", PEXARO_VOICE_DATA);
    EXPECT_EQ(speech.Say("Eichhörnchen"), 1u);
    EXPECT_EQ(speech.Say("Richtig wäre: Igel"), 2u);
    speech.WaitUntilIdle();
    const auto spoken = speech.TakeFinished();
    ASSERT_EQ(spoken.size(), 2u);
    EXPECT_EQ(spoken[0].text, 1u);
    EXPECT_EQ(spoken[1].text, 2u);
    for (const auto& text : spoken) {
        EXPECT_EQ(text.samples.rate, 22050);
        // Half a second at least: the whole text, not a first piece of it.
        EXPECT_GT(text.samples.samples.size(), 11025u);
    }
    EXPECT_GT(spoken[1].samples.samples.size(), spoken[0].samples.samples.size());
    EXPECT_TRUE(speech.TakeFinished().empty());
    // Gone while it speaks: the worker is stopped and joined, nothing hangs.
    speech.Say("Ein langer Satz, der noch gesprochen wird, wenn der Sprecher schon geht.");
}

TEST(SpeechSynthesizerTest, WithoutVoiceDataOrBesideAnotherItWarnsOnceAndStaysSilent) {
    testsupport::LogCapture log;
    testsupport::TempDir empty;
    {
        SpeechSynthesizer speech("de", empty.Path().string());
        speech.Say("Eichhörnchen");
        speech.WaitUntilIdle();
        EXPECT_TRUE(speech.TakeFinished().empty());
    }
    EXPECT_EQ(Count(log.Text(), "Keine Stimme \"de\""), 1u) << log.Text();
    {
        SpeechSynthesizer first("de", PEXARO_VOICE_DATA);
        SpeechSynthesizer second("de", PEXARO_VOICE_DATA);
        second.Say("Igel");
        second.WaitUntilIdle();
        EXPECT_TRUE(second.TakeFinished().empty());
    }
    EXPECT_EQ(Count(log.Text(), "Keine Stimme \"de\""), 2u) << log.Text();
    // Once the first has gone, the voice is free again.
    SpeechSynthesizer again("de", PEXARO_VOICE_DATA);
    again.Say("Igel");
    again.WaitUntilIdle();
    EXPECT_EQ(again.TakeFinished().size(), 1u);
}

TEST(MixerAudioTest, WithoutADeviceItWarnsOnceAndIgnoresEverything) {
    Platform::SetEnvironment("SDL_AUDIODRIVER", "no-such-device", true);
    testsupport::LogCapture log;
    MixerAudio audio({{{"klick", PEXARO_CLICK_SOUND}}, "de", PEXARO_VOICE_DATA});
    EXPECT_FALSE(audio.IsOpen());
    audio.PlaySound("klick");
    audio.QueueSound("klick");
    audio.Say("Eichhörnchen");
    audio.PlaySamples({std::vector<int16_t>(1000, 100), 22050});
    audio.Update();
    audio.SetMuted(true);
    audio.Dispose();
    EXPECT_EQ(Count(log.Text(), "Warning|"), 1u) << log.Text();
    EXPECT_EQ(Count(log.Text(), "Kein Ton: kein Audiogerät"), 1u) << log.Text();
}

// SDL's silent device plays in real time, so what was just started is still playing.
TEST(MixerAudioTest, SoundsAndSamplesTakeTheirTurns) {
    Platform::SetEnvironment("SDL_AUDIODRIVER", "dummy", true);
    testsupport::LogCapture log;
    testsupport::TempDir dir;
    dir.Write("kaputt.wav", "RIFF, but nothing after it");
    MixerAudio audio({{{"klick", PEXARO_CLICK_SOUND},
                       {"fehlt", dir.File("fehlt.wav")},
                       {"kaputt", dir.File("kaputt.wav")}},
                      "",
                      ""});
    ASSERT_TRUE(audio.IsOpen()) << log.Text();
    EXPECT_TRUE(log.Contains("Ton nicht lesbar: " + dir.File("fehlt.wav") + " (Couldn't open"))
        << log.Text();
    EXPECT_TRUE(log.Contains("Ton nicht lesbar: " + dir.File("kaputt.wav"))) << log.Text();
    audio.PlaySound("fehlt");
    audio.PlaySound("kaputt");
    EXPECT_EQ(Mix_Playing(-1), 0);

    // Samples wait for the sound before them; a queued sound waits for the samples.
    const SampleBuffer second{std::vector<int16_t>(22050, 1000), 22050};
    audio.PlaySound("klick");
    audio.PlaySamples(second);
    audio.QueueSound("klick");
    audio.Update();
    EXPECT_EQ(Mix_Playing(-1), 1);
    SDL_Delay(200);
    audio.Update();
    ASSERT_EQ(Mix_Playing(-1), 1) << "the samples alone";
    EXPECT_EQ(Mix_Playing(0), 1);

    // Muted: what plays and waits is dropped, and nothing starts.
    audio.SetMuted(true);
    EXPECT_EQ(Mix_Playing(-1), 0);
    audio.PlaySound("klick");
    audio.PlaySamples(second);
    audio.Update();
    EXPECT_EQ(Mix_Playing(-1), 0);
    audio.SetMuted(false);
    audio.PlaySound("klick");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

}  // namespace
}  // namespace zr2d
