// Decoding with libavformat/libavcodec (VQF is TwinVQ to them) and converting with
// libswresample to the one format the player's device takes.
#include "title_stream.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

struct TitleStream {
  AVFormatContext* Format = nullptr;
  AVCodecContext* Codec = nullptr;
  SwrContext* Resampler = nullptr;
  AVPacket* Packet = nullptr;
  AVFrame* Frame = nullptr;
  int StreamIndex = -1;
  bool InputDone = false;   // the demuxer has no more packets; the decoder was flushed
  bool Finished = false;
  int BadFrames = 0;         // damaged frames in a row
};

void CloseTitleStream(TitleStream* s) {
  if (!s) return;
  av_frame_free(&s->Frame);
  av_packet_free(&s->Packet);
  swr_free(&s->Resampler);
  avcodec_free_context(&s->Codec);
  avformat_close_input(&s->Format);
  delete s;
}

TitleStream* OpenTitleStream(const std::string& fileName) {
  av_log_set_level(AV_LOG_QUIET);  // a bad file is not worth a word on the console
  TitleStream* s = new TitleStream;
  if (avformat_open_input(&s->Format, fileName.c_str(), nullptr, nullptr) < 0 ||
      avformat_find_stream_info(s->Format, nullptr) < 0) {
    CloseTitleStream(s);
    return nullptr;
  }
  const AVCodec* codec = nullptr;
  s->StreamIndex = av_find_best_stream(s->Format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  if (s->StreamIndex < 0 || !codec) {
    CloseTitleStream(s);
    return nullptr;
  }
  s->Codec = avcodec_alloc_context3(codec);
  if (!s->Codec ||
      avcodec_parameters_to_context(s->Codec, s->Format->streams[s->StreamIndex]->codecpar) < 0 ||
      avcodec_open2(s->Codec, codec, nullptr) < 0) {
    CloseTitleStream(s);
    return nullptr;
  }
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  AVChannelLayout in = s->Codec->ch_layout;
  if (in.order == AV_CHANNEL_ORDER_UNSPEC || in.nb_channels <= 0) {
    av_channel_layout_default(&in, in.nb_channels > 0 ? in.nb_channels : 1);
  }
  if (swr_alloc_set_opts2(&s->Resampler, &stereo, AV_SAMPLE_FMT_S16, TitleRate, &in,
                          s->Codec->sample_fmt, s->Codec->sample_rate, 0, nullptr) < 0 ||
      swr_init(s->Resampler) < 0) {
    CloseTitleStream(s);
    return nullptr;
  }
  s->Packet = av_packet_alloc();
  s->Frame = av_frame_alloc();
  if (!s->Packet || !s->Frame) {
    CloseTitleStream(s);
    return nullptr;
  }
  return s;
}

static void Convert(TitleStream* s, const uint8_t** in, int inCount, std::vector<int16_t>& out) {
  int room = swr_get_out_samples(s->Resampler, inCount);
  if (room <= 0) return;
  size_t at = out.size();
  out.resize(at + size_t(room) * 2);
  uint8_t* dst = reinterpret_cast<uint8_t*>(out.data() + at);
  int got = swr_convert(s->Resampler, &dst, room, in, inCount);
  out.resize(at + size_t(got > 0 ? got : 0) * 2);
}

// Feeds packets until the decoder gives one frame, then converts it. A damaged frame is
// skipped; a long run of them ends the stream.
bool ReadTitleStream(TitleStream* s, std::vector<int16_t>& out) {
  if (!s || s->Finished) return false;
  const int tolerated = 64;
  for (;;) {
    int r = avcodec_receive_frame(s->Codec, s->Frame);
    if (r == 0) {
      s->BadFrames = 0;
      Convert(s, const_cast<const uint8_t**>(s->Frame->extended_data), s->Frame->nb_samples, out);
      av_frame_unref(s->Frame);
      return true;
    }
    if (r == AVERROR_EOF) {
      size_t before = out.size();
      Convert(s, nullptr, 0, out);  // what the resampler still holds
      s->Finished = true;
      return out.size() > before;
    }
    if (r != AVERROR(EAGAIN) && ++s->BadFrames > tolerated) {
      s->Finished = true;
      return false;
    }
    if (s->InputDone) {
      if (r == AVERROR(EAGAIN)) {
        s->Finished = true;
        return false;
      }
      continue;
    }
    r = av_read_frame(s->Format, s->Packet);
    if (r < 0) {
      avcodec_send_packet(s->Codec, nullptr);  // flush
      s->InputDone = true;
      continue;
    }
    if (s->Packet->stream_index == s->StreamIndex) {
      int sent = avcodec_send_packet(s->Codec, s->Packet);
      if (sent < 0 && sent != AVERROR(EAGAIN) && ++s->BadFrames > tolerated) {
        av_packet_unref(s->Packet);
        s->Finished = true;
        return false;
      }
    }
    av_packet_unref(s->Packet);
  }
}
