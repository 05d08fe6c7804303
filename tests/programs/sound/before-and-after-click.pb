; Sounds before the first click: the hint shows, a looping sound waits for the click and a
; sound played once is let go, and nothing fails; after the click the hint is gone and sounds
; play, pause, resume and stop. A missing file takes its sound away. The sound is a 50 ms
; tone written into the program as a data address.
InitSound()
; 8000 samples a second, 8 bits, one channel: 400 samples of a 440 Hz tone
tone$ = "data:audio/wav;base64,UklGRrQBAABXQVZFZm10IBAAAAABAAEAQB8AAEAfAAABAAgAZGF0YZABAACAlKazuru0p5aBbVtNRURKVmh8kKOxuru2qpmFcV5PRkRIVGR4jaCvubu3rZyJdGFRR0RHUWF0iZytt7u5r6CNeGRUSERGT15xhZmqtru6saOQfGhWSkRFTVttgZantLu6s6aUf2tZTEVES1hpfpKksrq7tamXg29cTkVESVVmeo6hsLm7t6ubh3JfUEZESFJjdouerri8uK6ei3ZjUkhERlBfcoebq7e7ubChjnpmVUlERU5cb4OXqbW7urKkkn5pWEtERUxZa4CUprO6u7SnloFtW01FREpWaHyQo7G6u7aqmYVxXk9GREhUZHiNoK+5u7etnIl0YVFHREdRYXSJnK23u7mvoI14ZFRIREZPXnGFmaq2u7qxo5B8aFZKREVNW22Blqe0u7qzppSAa1lMRURLWGl+kqSyuru1qZeDb1xORURJVWZ6jqGwubu3q5uHcl9QRkRIUmN2i56uuLy4rp6LdmNSSERGUF9yh5urt7u5sKGOemZVSURFTlxvg5eptbu6sqSSfmlYS0RFTFlr"
Debug "loaded " + Str(LoadSound(0, tone$)) + " " + Str(IsSound(0)) + " " + Str(IsSound(1))
beep = LoadSound(#PB_Any, tone$)
LoadSound(2, "no-such-sound.wav")
Debug "loop before click " + Str(PlaySound(0, #PB_Sound_Loop)) + " " + Str(SoundStatus(0))
Debug "once before click " + Str(PlaySound(beep)) + " " + Str(SoundStatus(beep))
SoundVolume(0, 50)
SoundPan(0, -100)
OpenWindow(0, 0, 0, 240, 100, "Sound")
ButtonGadget(1, 10, 10, 100, 24, "Play")
ButtonGadget(2, 120, 10, 100, 24, "Stop")
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_Gadget And EventGadget() = 1
    Debug "after click " + Str(SoundStatus(0)) + " " + Str(IsSound(2))
    PlaySound(beep)
    Debug "once " + Str(SoundStatus(beep))
    PauseSound(0)
    Debug "paused " + Str(SoundStatus(0))
    ResumeSound(0)
    Debug "resumed " + Str(SoundStatus(0))
  EndIf
  If e = #PB_Event_Gadget And EventGadget() = 2
    Debug "once later " + Str(SoundStatus(beep)) + " " + Str(SoundStatus(0))
    StopSound(#PB_All)
    Debug "stopped " + Str(SoundStatus(0)) + " " + Str(SoundStatus(beep))
    FreeSound(0)
    Debug "freed " + Str(IsSound(0)) + " " + Str(IsSound(beep)) + " " + Str(SoundStatus(0))
  EndIf
Until e = #PB_Event_CloseWindow
; do:
; see QLCXsoundhint text click to enable sound
; see QLCXsound0 .paused true
; click Play
; see QLCXsoundhint missing
; see QLCXsound0 .paused false
; see QLCXsound0 .volume 0.5
; wait 600
; click Stop
; see QLCXsound0 missing
; expect:
; loaded 1 1 0
; loop before click 1 1
; once before click 1 0
; after click 1 0
; once 1
; paused 2
; resumed 1
; once later 0 1
; stopped 0 0
; freed 0 1 0
