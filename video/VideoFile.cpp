#include "video/VideoFile.h"

#include "datafiles/FileIo.h"
#include "video/FfmpegEncoder.h"

#include <memory>

bool WriteVideoFile(const std::string& path, const VideoSettings& settings,
                    const std::function<bool(IVideoEncoder& encoder)>& encode)
{
    CReplacementFile file(path);
    {
        const std::unique_ptr<IVideoEncoder> encoder = OpenFfmpegEncoder(settings, file.TemporaryPath());
        if (!encode(*encoder)) {
            return false;
        }
        encoder->Finish();
    }
    file.Commit();
    return true;
}
