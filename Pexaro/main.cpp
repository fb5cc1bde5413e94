// SPDX-License-Identifier: GPL-3.0-or-later
// Gedächtnisspiel: started without arguments in the folder that holds settings.txt, daten/ and
// bilder/. Always ends with exit code 0.

#include "Common/GameUtil/ConfigFile.h"
#include "Common/MyLog.h"
#include "Common/Platform/Platform.h"
#include "GameControl.h"
#include "WindowScale.h"
#include "ZudeRezede2D/EntryPoint.h"

int main(int /*argc*/, char* /*argv*/[]) {
    // Past a file size limit a write should fail and be reported, not kill the game mid-save.
    common::Platform::IgnoreFileSizeLimit();
    common::Platform::PrepareConsole();
    try {
        common::ConfigFile config("settings.txt");
        const auto game = config.GetGroup("Game");
        common::MyLog::SetShowLog(game->GetData("showLog", "0")->GetBool());
        const bool fullscreen = game->GetData("fullscreen", "0")->GetBool();
        const int32_t maxTextureSize = game->GetData("maxTextureSize", "512")->GetInt();
        const float windowScale =
            pexaro::WindowScale::Parse(game->GetData("windowScale", "1")->Value());
        const zr2d::VideoSettings settings(common::Point2D(1024, 768), 32, fullscreen,
                                           maxTextureSize, windowScale, "daten//pexaro.png");
        // Without either key the game stays silent and opens no sound device.
        const bool sound = game->GetData("sound", "0")->GetBool();
        const bool voice = game->GetData("voice", "0")->GetBool();
        std::shared_ptr<zr2d::IAudioEngine> audio;
        if (sound || voice) {
            audio = std::make_shared<zr2d::MixerAudio>(
                pexaro::GameSounds::AudioSettings(sound, voice));
        }
        zr2d::GameEngine engine(settings, "Gedächtnisspiel", audio);
        pexaro::GameControl control(engine);
        control.Data().SetSounds(pexaro::GameSounds(audio, sound, voice));
        control.Run();
    } catch (const std::exception& error) {
        // Always written: the program ends here, and an information line could be switched off.
        common::MyLog::Warning("Unerklärlicher Fehler im Programm:\n", error);
    }
    return 0;
}
