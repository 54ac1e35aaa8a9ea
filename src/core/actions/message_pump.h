#pragma once
// Long steps of an action keep the window alive by letting pending window messages run at fixed
// points; a repaint, a timer tick or a click on Cancel can happen inside such a call.
namespace orvane {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void PumpMessages() = 0;
};

}  // namespace orvane
