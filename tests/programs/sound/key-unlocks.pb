; A key pressed on the page lets sounds play as a click does: the hint goes and the music
; that waited for it starts; a sound played before InitSound waits the same way
LoadSound(0, "data:audio/wav;base64,UklGRrQBAABXQVZFZm10IBAAAAABAAEAQB8AAEAfAAABAAgAZGF0YZABAACAlKazuru0p5aBbVtNRURKVmh8kKOxuru2qpmFcV5PRkRIVGR4jaCvubu3rZyJdGFRR0RHUWF0iZytt7u5r6CNeGRUSERGT15xhZmqtru6saOQfGhWSkRFTVttgZantLu6s6aUf2tZTEVES1hpfpKksrq7tamXg29cTkVESVVmeo6hsLm7t6ubh3JfUEZESFJjdouerri8uK6ei3ZjUkhERlBfcoebq7e7ubChjnpmVUlERU5cb4OXqbW7urKkkn5pWEtERUxZa4CUprO6u7SnloFtW01FREpWaHyQo7G6u7aqmYVxXk9GREhUZHiNoK+5u7etnIl0YVFHREdRYXSJnK23u7mvoI14ZFRIREZPXnGFmaq2u7qxo5B8aFZKREVNW22Blqe0u7qzppSAa1lMRURLWGl+kqSyuru1qZeDb1xORURJVWZ6jqGwubu3q5uHcl9QRkRIUmN2i56uuLy4rp6LdmNSSERGUF9yh5urt7u5sKGOemZVSURFTlxvg5eptbu6sqSSfmlYS0RFTFlr")
PlaySound(0, #PB_Sound_Loop)
InitSound()
OpenWindow(0, 0, 0, 120, 60, "Keys")
Repeat
  e = WaitWindowEvent()
Until e = #PB_Event_CloseWindow
; do:
; see QLCXsoundhint text click to enable sound
; see QLCXsound0 .paused true
; key Space
; see QLCXsoundhint missing
; see QLCXsound0 .paused false
