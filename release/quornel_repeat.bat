REM quornel 前回の柱をもう一度作図（画面なし）
@echo off
REM #jww
REM #cd
REM #h0
REM #0 柱の通り芯の交点を指示してください
REM #e
REM Jw_cad の書いた JWC_TEMP.TXT を、quornel の読む TEMP.TXT に移します。
REM 前回の TEMP.TXT は先に消すので、古い縮尺や文字の大きさで作図することはありません。
if exist TEMP.TXT del TEMP.TXT
if exist JWC_TEMP.TXT move /y JWC_TEMP.TXT TEMP.TXT > nul
REM 画面を開かずに、前回「作図」した柱・壁・寸法・柱記号を JWC_TEMP.TXT に書きます。
quornel.exe --repeat
