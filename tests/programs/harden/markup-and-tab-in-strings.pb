; Markup inside strings is text; a tab in a string survives compaction; "<script" outside a
; string is a comparison with a variable
Debug "<!--<script>[	]</SCRIPT>"
script = 2
If 1<script : Debug "compared" : EndIf
; expect:
; <!--<script>[	]</SCRIPT>
; compared
