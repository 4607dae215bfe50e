REM quornel 複数の交点に前回の柱をもう一度作図（画面なし、2 か所以上）
@echo off
REM #jww
REM #cd
REM #h0
REM #0 1 か所目の交点（柱の通り芯の交点）を指示してください
REM #1 次の交点を指示してください　［点指示終了］で終わります
REM #99#
REM #e
REM 2 か所目からは何か所でも続けて指示でき、右の［点指示終了］で指示を終えます。
REM 1 か所だけのときは quornel_repeat.bat を使います。
REM Jw_cad の書いた JWC_TEMP.TXT を、quornel の読む TEMP.TXT に移します。
REM 前回の TEMP.TXT は先に消すので、古い縮尺や文字の大きさで作図することはありません。
if exist TEMP.TXT del TEMP.TXT
if exist JWC_TEMP.TXT move /y JWC_TEMP.TXT TEMP.TXT > nul
REM 画面を開かずに、前回「作図」した柱・壁・寸法・柱記号を、指示したすべての交点に書きます。
quornel.exe --repeat
